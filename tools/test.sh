#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a
# plain build (which also builds the benchmarks), once with AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

# No leak reports: Qt, fontconfig and the X libraries keep allocations until
# the process ends, and would drown out anything of ours.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDARVISTA_SANITIZE=ON -DDARVISTA_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
