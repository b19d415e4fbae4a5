#!/usr/bin/python3
"""Key press to replaced text through GNOME's custom keyboard shortcut, which starts
`korrelang --convert` per press; inside a headless GNOME Shell:
    scripts/gnome-session -- /usr/bin/python3 bench/gnome_shortcut_latency.py build/bin/korrelang [runs]
Prints the median and range of: the press of Space in Control+Shift+Space (on the compositor's
virtual keyboard, through Mutter's remote-desktop interface) to the verified write in gedit, with
the request's arrival at korrelang between them (korrelang runs with KORRELANG_LOG_TIMES; the
figures come from its log, gedit's text is checked once the press is done, not polled while
korrelang works); and the hand-over alone, `korrelang --convert` and the korrelang-convert
helper the shortcut runs, started and finished against a name nobody owns (process start, bus
connection, one round trip)."""

import os
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gnome"))
from session import A_KEY, CTRL, ESC, SHIFT, SPACE, Editor, Keyboard, Korrelang, extension, wait_until  # noqa: E402

binary = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20


def summary(name, values):
    values = sorted(values)
    print("%s: median %.1f ms, min %.1f, max %.1f (%d runs)" %
          (name, statistics.median(values), values[0], values[-1], len(values)))


# The hand-over alone: no instance owns the name yet, so the call fails at once.
helper = os.path.join(os.path.dirname(binary), "korrelang-convert")
for name, command in (("korrelang --convert", [binary, "--convert"]), ("korrelang-convert", [helper])):
    handover = []
    for _ in range(runs):
        started = time.perf_counter()
        subprocess.run(command, stderr=subprocess.DEVNULL)
        handover.append(1000 * (time.perf_counter() - started))
    summary(name + ", start to exit", handover)

STAMP = re.compile(r"^\[(\d+\.\d+)\] (.*)$")


def stamps(log, after):
    """The stamped lines of korrelang's log after the byte offset `after`."""
    found = []
    for line in log[after:].splitlines():
        match = STAMP.match(line)
        if match:
            found.append((float(match.group(1)), match.group(2)))
    return found


def press_done(lines):
    return any(text.startswith(("✅ REPLACE SUCCEEDED", "❌")) for _, text in lines)


os.environ["KORRELANG_LOG_TIMES"] = "1"
keyboard = Keyboard()
keyboard.chord(ESC, settle=0.3)
korrelang = Korrelang(binary)
shell = extension()
editor = Editor("gedit", keyboard)
latencies, arrivals, work, misses = [], [], [], 0
gaps, order = {}, []
try:
    if not editor.ready():
        sys.exit("gedit: no focused text field")
    editable = editor.field.queryEditableText()
    for _ in range(runs):
        shell.ActivateInputSource(0)
        editable.setTextContents("ghbdtn")
        keyboard.chord(CTRL, A_KEY)
        keyboard.press(CTRL, True)
        keyboard.press(SHIFT, True)
        time.sleep(0.02)
        offset = len(korrelang.log())
        started = 1000 * time.monotonic()
        keyboard.press(SPACE, True)
        wait_until(lambda: press_done(stamps(korrelang.log(), offset)), 3, 0.005)
        for code in (SPACE, SHIFT, CTRL):
            keyboard.press(code, False)
            time.sleep(0.02)
        lines = stamps(korrelang.log(), offset)
        asked = [ms for ms, text in lines if "asked for over D-Bus" in text]
        done = [ms for ms, text in lines if text.startswith("✅ REPLACE SUCCEEDED")]
        if asked and done and wait_until(lambda: editor.text() == "привет", 2, 0.01):
            latencies.append(done[0] - started)
            arrivals.append(asked[0] - started)
            work.append(done[0] - asked[0])
            previous = asked[0]
            for ms, text in lines:
                if asked[0] < ms <= done[0]:
                    step = re.sub(r"'.*'|<\d+ chars>|\d+", "…", text)[:60]
                    if step not in gaps:
                        order.append(step)
                    gaps.setdefault(step, []).append(ms - previous)
                    previous = ms
        else:
            misses += 1
        time.sleep(0.3)
finally:
    editor.stop()
    korrelang.stop()
    keyboard.stop()
print("load average %.2f (1 min), %d cores" % (os.getloadavg()[0], os.cpu_count()))
if latencies:
    summary("Control+Shift+Space to the verified write (gedit, custom shortcut)", latencies)
    summary("  the key to the request's arrival (shell, gsd-media-keys, helper)", arrivals)
    summary("  the request's arrival to the verified write (korrelang)", work)
    print("  median / mean / max gap before each step of korrelang's:")
    for step in order:
        if len(gaps[step]) * 2 >= len(latencies):
            print("  %7.2f %7.2f %7.2f ms  %s" % (statistics.median(gaps[step]),
                                                 statistics.mean(gaps[step]), max(gaps[step]), step))
print("missed presses: %d" % misses)
