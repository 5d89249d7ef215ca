#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build with warnings
# as errors (with the desktop program and its end-to-end run), once with AddressSanitizer,
# LeakSanitizer and UBSan (the Qt tests on the offscreen platform included), and once with
# clang and libFuzzer, running each fuzz target for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DDOVRIN_BUILD_BENCH=ON \
  -DDOVRIN_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# libfaketime and the sanitizer runtime cannot share a process, so the end-to-end run of the
# real program stays with the normal build; the sanitized program's clean exit is checked here.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDOVRIN_SANITIZE=ON \
  -DBUILD_TESTING=ON -DDOVRIN_BUILD_BENCH=OFF -DDOVRIN_WERROR=ON
cmake --build build-sanitize -j "$jobs"
# The event storm runs 25,000 of its 100,000 events here, which keeps it under three minutes.
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
DOVRIN_STORM_EVENTS=25000 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE end_to_end

# The fuzz targets: clang's libFuzzer with ASan and UBSan, no GUI; each runs 20 s on a copy of
# its seed corpus inside build-fuzz.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOVRIN_FUZZ=ON \
  -DDOVRIN_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DDOVRIN_WERROR=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz
