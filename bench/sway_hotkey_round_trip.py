#!/usr/bin/python3
"""Times the hotkey on sway with the real korrelang on its sway back end, and checks that the
user's clipboard (a text and an image, held by bench_clipboard_owner) survives every conversion.
Run it in the headless session:

    scripts/sway-session --keyboard build/tests/wayland_test_keyboard -- \\
        /usr/bin/python3 bench/sway_hotkey_round_trip.py build/bin/korrelang \\
        build/bench/bench_clipboard_owner [runs] [every]

Every `every`-th run (default 4) converts in a Mousepad without its accessibility bridge, so
through the clipboard; the others through AT-SPI. korrelang runs with KORRELANG_LOG_TIMES, and the
figures come from its log: from sway's binding event to the verified write (the text replaced,
the caret placed), with the median gap before each step of the press. The editor is not polled
while korrelang works, so the figures carry no load of the benchmark's own; the text is checked
once the log says the press is done."""
import os
import re
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "wayland"))
import sway_conversion_test as t  # noqa: E402  (the session helpers)
from accessible import atspi_application, focused_text  # noqa: E402

KORRELANG, OWNER = sys.argv[1], sys.argv[2]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 200
EVERY = int(sys.argv[4]) if len(sys.argv) > 4 else 4
STAMP = re.compile(r"^\[(\d+\.\d+)\] (.*)$")
ARRIVAL = "sway reported the hot key"
DONE = ("✅ REPLACE SUCCEEDED", "❌", "⚠️ Written without a read-back")
TEXT = "text/plain;charset=utf-8"
PNG = b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR" + bytes(range(256)) * 64


class Log:
    """korrelang's log, read as it grows: (milliseconds, line) pairs."""

    def __init__(self, path):
        self.file = open(path, encoding="utf-8", errors="replace")
        self.partial = ""

    def new_lines(self):
        self.partial += self.file.read()
        *lines, self.partial = self.partial.split("\n")
        out = []
        for line in lines:
            match = STAMP.match(line)
            if match:
                out.append((float(match.group(1)), match.group(2)))
        return out


def press_lines(log, timeout=8.0):
    """The lines of one press, from sway's event to its last step."""
    lines, deadline = [], time.monotonic() + timeout
    while time.monotonic() < deadline:
        lines += log.new_lines()
        started = [i for i, (_, text) in enumerate(lines) if ARRIVAL in text]
        if started and any(text.startswith(DONE) for _, text in lines[started[0]:]):
            # The last lines of the press (the press's end, the layout switch) follow at once.
            time.sleep(0.05)
            return lines[started[0]:] + log.new_lines()
        time.sleep(0.005)
    return lines


def step_name(text):
    """A line without what varies between presses (the user's text, counts, names)."""
    return re.sub(r"'.*'|<\d+ chars>|\d+", "…", text)[:60]


class Owner:
    """bench_clipboard_owner holding the user's text and image."""

    def __init__(self, text):
        self.text = text
        directory = tempfile.mkdtemp(prefix="clipboard-", dir=os.environ.get("TMPDIR", "/tmp"))
        paths = {}
        for number, (mime, data) in enumerate(((TEXT, text), ("image/png", PNG))):
            paths[mime] = os.path.join(directory, str(number))
            with open(paths[mime], "wb") as f:
                f.write(data)
        self.process = subprocess.Popen([OWNER] + [f"{m}={p}" for m, p in paths.items()],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.process.stdout.readline()

    def intact(self):
        types = subprocess.run(["wl-paste", "--list-types"], capture_output=True,
                               timeout=5).stdout.decode().split()
        return ("image/png" in types and t.paste("image/png") == PNG and
                t.paste(TEXT) == self.text)

    def close(self):
        self.process.stdin.close()
        self.process.wait(5)


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


def find_text(pid):
    app = atspi_application(pid)
    return focused_text(app) if app is not None else None


def report(name, presses):
    if not presses:
        print(f"{name}: no press completed")
        return
    totals = sorted(p["total"] for p in presses)
    print(f"{name}, {len(totals)} presses: median {statistics.median(totals):.2f} ms, "
          f"p90 {totals[int(len(totals) * 0.9)]:.2f} ms, max {totals[-1]:.2f} ms "
          f"(sway's event → the verified write; bench's chord → sway's event median "
          f"{statistics.median(p['event'] for p in presses):.2f} ms)")
    gaps = {}
    for press in presses:
        for step, gap in press["steps"]:
            gaps.setdefault(step, []).append(gap)
    order = list(dict.fromkeys(step for press in presses for step, _ in press["steps"]))
    print("  median / mean / max gap before each step:")
    for step in order:
        gap = gaps[step]
        if len(gap) * 2 >= len(presses):
            print(f"  {statistics.median(gap):7.2f} {statistics.mean(gap):7.2f} {max(gap):7.2f} ms"
                  f"  {step}")


def main():
    t.KORRELANG = KORRELANG
    os.environ["KORRELANG_LOG_TIMES"] = "1"
    korrelang = t.Korrelang(["xkb.us.English", "xkb.ru.Russian"])
    if not korrelang.ready:
        print("korrelang did not start")
        return 1
    log = Log(korrelang.log_path)
    log.new_lines()
    plain = t.mousepad(accessible=False)
    editor = t.mousepad()
    text = t.wait_for(lambda: find_text(editor.pid), 20).queryText()
    owner = Owner(b"the user's clipboard \xe2\x9c\x93 " * 50)
    bindings = subscribe_bindings()
    load_before = os.getloadavg()
    presses = {"AT-SPI": [], "clipboard": []}
    failed, lost, harness = 0, 0, 0
    for run in range(RUNS):
        way = "clipboard" if run % EVERY == EVERY - 1 else "AT-SPI"
        target = plain if way == "clipboard" else editor
        if t.focused_app_id() == "korrelang":
            # An alert of korrelang's (a write that did not take) holds the focus: close it.
            print(f"run {run}: closing an alert of korrelang's", flush=True)
            t.swaymsg('[app_id="korrelang"] kill')
            harness += 1
        t.swaymsg(f"[pid={target.pid}] focus")
        # Typed as a user would; in the plain editor the word is selected (nothing can read it
        # there to find the line before the caret), in the other the caret is after it.
        t.swaymsg("input type:keyboard xkb_switch_layout 0")
        t.keys(f"combo {t.CTRL} {t.A}", "type ghbdtn",
               *([f"combo {t.CTRL} {t.A}"] if way == "clipboard" else []))
        if way == "AT-SPI" and not t.wait_for(lambda: text.getText(0, -1) == "ghbdtn", 5):
            print(f"run {run}: the editor did not show the typed word", flush=True)
            harness += 1
            continue
        # A person pauses between typing and the hotkey; the editor finishes drawing meanwhile.
        time.sleep(0.15)
        log.new_lines()
        # Straight to the virtual keyboard, without waiting for its acknowledgement (polled
        # every 10 ms), so the binding event is timed when it arrives.
        with open(t.FIFO, "w") as fifo:
            chord = time.monotonic()
            fifo.write(f"combo {t.CTRL} {t.SHIFT} {t.SPACE}\n")
        try:
            read_message(bindings)
            event = time.monotonic()
        except socket.timeout:
            print(f"run {run}: no binding event", flush=True)
            failed += 1
            continue
        lines = press_lines(log)
        done = [(ms, line) for ms, line in lines if line.startswith("✅ REPLACE SUCCEEDED")]
        converted = done and (way == "clipboard" or
                              t.wait_for(lambda: text.getText(0, -1) == "привет", 2))
        if not converted:
            failed += 1
            print(f"run {run} ({way}) did not convert: " +
                  " | ".join(line for _, line in lines[-4:]), flush=True)
        else:
            start = lines[0][0]
            end = done[0][0]
            steps, previous, seen = [], start, {}
            for ms, line in lines[1:]:
                if ms > end:
                    break
                # A line that comes back within a press is numbered: each gap belongs to the
                # step it precedes.
                name = step_name(line)
                seen[name] = seen.get(name, 0) + 1
                steps.append((name if seen[name] == 1 else f"{name} ({seen[name]})", ms - previous))
                previous = ms
            presses[way].append({"total": end - start, "event": (event - chord) * 1000,
                                 "steps": steps})
        if not owner.intact():
            lost += 1
            print(f"run {run} ({way}): the clipboard was lost; offering it again", flush=True)
            owner.close()
            owner = Owner(owner.text)
        if run % 20 == 19:
            done_so_far = [p["total"] for p in presses["AT-SPI"]]
            if done_so_far:
                print(f"  {run + 1} runs, AT-SPI median so far "
                      f"{statistics.median(done_so_far):.2f} ms", flush=True)
    load_after = os.getloadavg()
    owner.close()
    editor.close()
    plain.close()
    korrelang.stop()
    print(f"load average before {load_before[0]:.2f}, after {load_after[0]:.2f} "
          f"(1 min), {os.cpu_count()} cores")
    report("sway, AT-SPI path", presses["AT-SPI"])
    report("sway, clipboard path", presses["clipboard"])
    print(f"{RUNS} runs: failed conversions {failed}; clipboard (text + image) lost after "
          f"{lost} of them; runs the editor did not prepare {harness}")
    return 0 if failed == 0 and lost == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
