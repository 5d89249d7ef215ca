#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop calendar.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DDOVRIN_BUILD_BENCH=OFF
cmake --build build
exec build/app/dovrin "$@"
