#!/usr/bin/python3
"""The paste path in real browsers: the text read through AT-SPI, written by pasting, verified by
reading it back. Inside the private desktop:
    scripts/desktop-session --layouts us,ru -- /usr/bin/python3 bench/paste_latency.py \\
        build/bin/korrelang [runs] [application ...]
(applications of tests/apps; default firefox and chromium-accessible). Each run types "ghbdtn vbh"
into each field and converts it once selected and once as the line before the caret, as the
compatibility suite does, with the user's clipboard (text or image) checked afterwards. korrelang
runs with KORRELANG_LOG_TIMES, and the figures come from its log: the hotkey to the verified
read-back, and within it the paste way alone (its read, the clipboard snapshot, the selecting,
the paste and the read-back). The first run of each application warms it up and is not counted.
"""

import os
import re
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "apps"))
import apps  # noqa: E402
import compat_test  # noqa: E402

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


def measure(name, binary, runs, work):
    korrelang = compat_test.Korrelang(binary, work)
    app = apps.APPLICATIONS[name](work)
    totals, paste_ways, failures = {}, {}, 0
    try:
        if not korrelang.ready:
            print("%s: korrelang did not start" % name)
            return False
        problem = app.start()
        if problem:
            print("%s: %s" % (name, problem))
            return False
        run = compat_test.Run(app, korrelang)
        index = 0
        for number in range(runs + 1):
            for field in app.fields:
                if field is not None and not app.choose_field(field):
                    print("%s: could not focus %s" % (name, field))
                    return False
                for mode in ("selection", "line"):
                    result = run.case(field, mode, index)
                    index += 1
                    if not result["passed"]:
                        failures += 1
                        print("%s %s/%s failed: %s" % (name, field, mode,
                                                       "; ".join(result["problems"])))
                        continue
                    pressed = stamp_of(result["log"], "HOTKEY PRESSED")
                    trying = stamp_of(result["log"], "Trying the paste way")
                    verified = stamp_of(result["log"], "The pasted text reads back as intended")
                    if number == 0 or None in (pressed, trying, verified):
                        continue
                    key = "%s %s" % (field or "text", mode)
                    totals.setdefault(key, []).append(verified - pressed)
                    paste_ways.setdefault(key, []).append(verified - trying)
    finally:
        app.stop()
        korrelang.stop()
    for key in totals:
        summary("%s %s: hotkey to verified text" % (name, key), totals[key])
        summary("%s %s: of which the paste way" % (name, key), paste_ways[key])
    summary("%s all: hotkey to verified text" % name, sum(totals.values(), []))
    print("%s: %d failed presses" % (name, failures))
    return failures == 0


def main():
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    names = sys.argv[3:] or ["firefox", "chromium-accessible"]
    os.environ["KORRELANG_LOG_TIMES"] = "1"
    work = os.path.join(os.environ.get("KORRELANG_SESSION", "/tmp"), "paste-bench")
    os.makedirs(work, exist_ok=True)
    with open("/proc/loadavg") as load:
        print("load average at the start: %s" % " ".join(load.read().split()[:3]))
    passed = all([measure(name, binary, runs, work) for name in names])
    with open("/proc/loadavg") as load:
        print("load average at the end: %s" % " ".join(load.read().split()[:3]))
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
