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
    sock.settimeout(5)
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
    text = text_object.queryText()
    clipboard = b"the user's clipboard \x00\x01\x02" * 50
    t.copy(clipboard, "application/x-korrelang-bench")
    bindings = subscribe_bindings()
    times, lost, failed, harness = [], 0, 0, 0
    for run in range(RUNS):
        if t.focused_app_id() == "korrelang":
            # An alert of korrelang's (a write that did not take) holds the focus: close it.
            print(f"run {run}: closing an alert of korrelang's", flush=True)
            t.swaymsg('[app_id="korrelang"] kill')
            t.swaymsg(f"[pid={editor.pid}] focus")
            harness += 1
        # Typed as a user would, the caret after the word: the line before it is converted.
        t.swaymsg("input type:keyboard xkb_switch_layout 0")
        t.keys(f"combo {t.CTRL} {t.A}", "type ghbdtn")
        if not t.wait_for(lambda: text.getText(0, -1) == "ghbdtn", 5):
            print(f"run {run}: the editor did not show the typed word", flush=True)
            harness += 1
            continue
        t.keys(f"combo {t.CTRL} {t.SHIFT} {t.SPACE}")
        try:
            read_message(bindings)
        except socket.timeout:
            print(f"run {run}: no binding event", flush=True)
            failed += 1
            continue
        start = time.perf_counter()
        deadline = start + 5
        while text.getText(0, -1) != "привет" and time.perf_counter() < deadline:
            time.sleep(0.0002)
        elapsed = time.perf_counter() - start
        if text.getText(0, -1) != "привет":
            failed += 1
            continue
        times.append(elapsed * 1000)
        if run % 20 == 19:
            print(f"  {run + 1} runs, median so far {statistics.median(times):.2f} ms", flush=True)
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
    print(f"  failed conversions: {failed}; clipboard lost at checks: {lost}; runs the editor "
          f"did not prepare: {harness}")
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
