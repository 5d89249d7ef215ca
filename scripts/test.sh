#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build (with the
# desktop program and its end-to-end run), once with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DDOVRIN_BUILD_TESTS=ON -DDOVRIN_BUILD_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The sanitizers check the calendar, the texts, the grid logic and the terminal companion.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDOVRIN_SANITIZE=ON \
  -DDOVRIN_BUILD_GUI=OFF -DDOVRIN_BUILD_TESTS=ON -DDOVRIN_BUILD_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
