#!/usr/bin/python3
"""Key press to replaced text through GNOME's custom keyboard shortcut, which starts
`korrelang --convert` per press; inside a headless GNOME Shell:
    scripts/gnome-session -- /usr/bin/python3 bench/gnome_shortcut_latency.py build/bin/korrelang [runs]
Prints the median and range of: the press of Space in Control+Shift+Space (on the compositor's
virtual keyboard, through Mutter's remote-desktop interface) to gedit's text reading converted,
polled through AT-SPI every millisecond; and the hand-over alone, `korrelang --convert` and the
korrelang-convert helper the shortcut runs, started and finished against a name nobody owns
(process start, bus connection, one round trip)."""

import os
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

keyboard = Keyboard()
keyboard.chord(ESC, settle=0.3)
korrelang = Korrelang(binary)
shell = extension()
editor = Editor("gedit", keyboard)
latencies, misses = [], 0
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
        started = time.perf_counter()
        keyboard.press(SPACE, True)
        done = wait_until(lambda: editor.text() == "привет", 3, 0.001)
        elapsed = 1000 * (time.perf_counter() - started)
        for code in (SPACE, SHIFT, CTRL):
            keyboard.press(code, False)
            time.sleep(0.02)
        if done:
            latencies.append(elapsed)
        else:
            misses += 1
        time.sleep(0.3)
finally:
    editor.stop()
    korrelang.stop()
    keyboard.stop()
if latencies:
    summary("Control+Shift+Space to converted text (gedit, custom shortcut)", latencies)
print("missed presses: %d" % misses)
