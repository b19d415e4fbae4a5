#!/usr/bin/python3
"""The paste path in real browsers: the text read through AT-SPI, written by pasting, verified by
reading it back.
    /usr/bin/python3 bench/paste_latency.py build/bin/korrelang [runs] [application ...]
(applications of tests/apps; default firefox and chromium-accessible). Each run is one pass of
the compatibility suite over the application in a private desktop of its own
(scripts/desktop-session): "ghbdtn vbh" typed into each field and converted once selected and
once as the line before the caret, the user's clipboard (text or image) checked afterwards.
korrelang runs with KORRELANG_LOG_TIMES, and the figures come from its log: the hotkey to the
verified read-back, and within it the paste way alone (its read, the clipboard snapshot, the
selecting, the paste and the read-back). The first run of each application warms the disk cache
up and is not counted."""

import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
STAMP = re.compile(r"^\[(\d+\.\d+)\] ")


def stamp_of(lines, marker):
    for line in lines:
        if marker in line:
            found = STAMP.match(line)
            if found:
                return float(found.group(1))
    return None


def summary(name, values):
    if not values:
        print("%s: no verified paste" % name)
        return
    values = sorted(values)
    print("%s: median %.1f ms, min %.1f, max %.1f (%d presses)" %
          (name, statistics.median(values), values[0], values[-1], len(values)))


def one_pass(binary, name, results):
    """The suite's pass over one application; its cases, or None when it failed."""
    command = [os.path.join(ROOT, "scripts", "desktop-session"), "--layouts", "us,ru", "--",
               "/usr/bin/python3", os.path.join(ROOT, "tests", "apps", "compat_test.py"),
               "--korrelang", binary, "--results", results, name]
    environment = dict(os.environ, KORRELANG_LOG_TIMES="1")
    finished = subprocess.run(command, env=environment, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT)
    if finished.returncode != 0:
        print(finished.stdout.decode("utf-8", "replace")[-3000:])
        return None
    with open(os.path.join(results, name + ".json")) as result:
        return json.load(result)["cases"]


def main():
    binary = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    names = sys.argv[3:] or ["firefox", "chromium-accessible"]
    with open("/proc/loadavg") as load:
        print("load average at the start: %s" % " ".join(load.read().split()[:3]))
    failed = 0
    with tempfile.TemporaryDirectory() as results:
        for name in names:
            totals, paste_ways = {}, {}
            for number in range(runs + 1):
                cases = one_pass(binary, name, results)
                if cases is None:
                    failed += 1
                    print("%s: run %d failed" % (name, number))
                    continue
                for case in cases:
                    log = case.get("log", [])
                    pressed = stamp_of(log, "HOTKEY PRESSED")
                    trying = stamp_of(log, "Trying the paste way")
                    verified = stamp_of(log, "The pasted text reads back as intended")
                    if number == 0 or None in (pressed, trying, verified):
                        continue
                    key = "%s %s" % (case["field"] or "text", case["mode"])
                    totals.setdefault(key, []).append(verified - pressed)
                    paste_ways.setdefault(key, []).append(verified - trying)
            for key in totals:
                summary("%s %s: hotkey to verified text" % (name, key), totals[key])
                summary("%s %s: of which the paste way" % (name, key), paste_ways[key])
            summary("%s all: hotkey to verified text" % name, sum(totals.values(), []))
    with open("/proc/loadavg") as load:
        print("load average at the end: %s" % " ".join(load.read().split()[:3]))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
