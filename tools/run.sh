#!/usr/bin/env bash
# Installs what is missing, builds Darvista and starts it on the shipped content.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDARVISTA_TESTS=OFF -DDARVISTA_BENCH=OFF
cmake --build build --target darvista
exec build/bin/darvista
