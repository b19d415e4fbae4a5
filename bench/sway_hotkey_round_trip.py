#!/usr/bin/python3
"""Times the hotkey on sway, from sway's binding event to the converted text readable in Mousepad,
with the real korrelang on its sway back end, and checks that the clipboard survives every
conversion. Run it in the headless session:

    scripts/sway-session --keyboard build/tests/wayland_test_keyboard -- \\
        /usr/bin/python3 bench/sway_hotkey_round_trip.py build/bin/korrelang [runs]

The binding event is read on an IPC subscription of the benchmark's own, which sway sends at the
same moment as korrelang's; the text is polled through AT-SPI every 0.2 ms."""
import json
import os
import socket
import statistics
import struct
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "wayland"))
import sway_conversion_test as t  # noqa: E402  (the session helpers)

KORRELANG = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 200


def subscribe_bindings():
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.connect(os.environ["SWAYSOCK"])
    payload = b'["binding"]'
    sock.sendall(b"i3-ipc" + struct.pack("=II", len(payload), 2) + payload)
    read_message(sock)  # the subscription's reply
    return sock


def read_message(sock):
    header = b""
    while len(header) < 14:
        header += sock.recv(14 - len(header))
    length, kind = struct.unpack("=II", header[6:])
    body = b""
    while len(body) < length:
        body += sock.recv(length - len(body))
    return kind, body


def main():
    t.KORRELANG = KORRELANG
    korrelang = t.Korrelang(["xkb.us.English", "xkb.ru.Russian"])
    if not korrelang.ready:
        print("korrelang did not start")
        return 1
    editor = t.mousepad()
    text_object = t.wait_for(lambda: find_text(editor.pid), 20)
    text, editable = text_object.queryText(), text_object.queryEditableText()
    clipboard = b"the user's clipboard \x00\x01\x02" * 50
    t.copy(clipboard, "application/x-korrelang-bench")
    bindings = subscribe_bindings()
    times, lost, failed = [], 0, 0
    for run in range(RUNS):
        editable.setTextContents("ghbdtn")
        text.setSelection(0, 0, 6) if text.getNSelections() else text.addSelection(0, 6)
        t.swaymsg("input type:keyboard xkb_switch_layout 0")
        t.keys(f"combo {t.CTRL} {t.SHIFT} {t.SPACE}")
        kind, body = read_message(bindings)
        start = time.perf_counter()
        deadline = start + 5
        while text.getText(0, -1) != "привет" and time.perf_counter() < deadline:
            time.sleep(0.0002)
        elapsed = time.perf_counter() - start
        if text.getText(0, -1) != "привет":
            failed += 1
            continue
        times.append(elapsed * 1000)
        if run % 10 == 9 or run == RUNS - 1:
            if t.paste("application/x-korrelang-bench") != clipboard:
                lost += 1
                t.copy(clipboard, "application/x-korrelang-bench")
    editor.close()
    korrelang.stop()
    times.sort()
    print(f"sway hotkey round trip (binding event → text in Mousepad), {len(times)} of {RUNS} runs:")
    print(f"  median {statistics.median(times):.2f} ms, p90 {times[int(len(times) * 0.9)]:.2f} ms, "
          f"max {times[-1]:.2f} ms")
    print(f"  failed conversions: {failed}; clipboard lost at checks: {lost}")
    return 0 if failed == 0 and lost == 0 else 1


def find_text(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return t.find_focused(app, 0)
    return None


if __name__ == "__main__":
    sys.exit(main())
