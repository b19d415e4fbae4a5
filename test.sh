#!/usr/bin/env bash
# Installs what is missing, builds Korrelang in build/ and runs every test (desktop tests included).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
