#!/usr/bin/env bash
# Installs what is missing, builds Korrelang and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRELANG_BUILD_TESTS=OFF \
    -DKORRELANG_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target korrelang

bin=build/bin/korrelang
"$bin" --help
echo
echo "Demonstration: \"Ghbdtn vbh\" typed on a US keyboard by someone who meant Russian:"
echo "  \$ $bin convert --layouts xkb.us.English,xkb.ru.Russian 'Ghbdtn vbh'"
printf '  '
"$bin" convert --layouts xkb.us.English,xkb.ru.Russian 'Ghbdtn vbh'
echo
echo "  \$ $bin convert --json --layouts com.apple.keylayout.US,com.apple.keylayout.Hebrew 'akuo'"
printf '  '
"$bin" convert --json --layouts com.apple.keylayout.US,com.apple.keylayout.Hebrew 'akuo'
