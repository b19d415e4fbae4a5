#!/usr/bin/env bash
# Installs what is missing, builds Korrelang in build/ and runs every test (desktop tests included).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
cd build
# The compatibility suite runs browsers and an office suite: on its own, after the rest, so that
# neither slows the other past its time limits.
status=0
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 --label-exclude apps || status=$?
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 --label-regex apps || status=$?
exit "$status"
