#!/usr/bin/env bash
# Installs what is missing, builds Korrelang and starts it: on the current display when there is
# one, else in a private virtual desktop (Xvfb, a window manager, the accessibility bus and a tray
# host) that lives until interrupted.
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

echo
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Korrelang on display $DISPLAY (its icon is in the system tray; Control+C stops it)."
  exec "$bin"
fi
screenshot="${KORRELANG_SCREENSHOT:-$PWD/build/korrelang-desktop.png}"
echo "No display: starting Korrelang in a private virtual desktop (Xvfb, openbox, AT-SPI, trayer)."
exec scripts/desktop-session -- scripts/tray-session "$bin" "$screenshot"
