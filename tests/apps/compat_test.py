"""One real application against the real korrelang, in the private desktop, as a person uses it.

For each text field of the application: type "ghbdtn vbh" on the US layout, (a) select it with
Shift+Home and press Control+Shift+Space, (b) on a new line leave the caret after it and press
the hotkey. Each case checks that the text became "привет мир" (nothing else changed), that the
clipboard put there before (text for one case, a PNG image for the other) is there again byte
for byte, that a failed case left the keyboard layout alone, and in terminals that the program in
the foreground received no signal and no stray key. The results go to RESULTS_DIR/APP.json for
scripts/compat-table; a failure prints what was found, the clipboard and korrelang's log.

    compat_test.py --korrelang BINARY --results RESULTS_DIR APP
"""

import argparse
import json
import os
import signal
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import apps  # noqa: E402
import desktop  # noqa: E402

TYPED = "ghbdtn vbh"
CONVERTED = "привет мир"
CLIPBOARD_TEXT = "the user's copy, ещё с буфера 📋".encode()
PRIMARY_TEXT = "selected elsewhere".encode()
CASE_LIMIT = 10.0  # seconds for one conversion to show; only failing cases wait this long
# The whole run ends itself before CTest's timeout would kill the desktop without cleaning up.
RUN_LIMIT = 210
SETTLE = 0.6  # the result must hold this long (a late clipboard restore, a late second write)


class Korrelang:
    """The service, its output collected in a file line by line."""

    def __init__(self, binary, directory):
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "Korrelang")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "Korrelang.conf"), "w") as settings:
            settings.write("[General]\nhasCompletedFirstLaunch=true\nhasAcceptedTerms=true\n"
                           "selectedKeyboards=xkb.us.English, xkb.ru.Russian\n"
                           "smartCapitalization=false\nstartAtLogin=false\n"
                           "analyticsEnabled=false\nautoSwitchKeyboard=true\n")
        self.log_path = os.path.join(directory, "korrelang.log")
        self._log = open(self.log_path, "wb")
        self.process = subprocess.Popen([binary], stdout=self._log, stderr=subprocess.STDOUT)
        self.ready = bool(desktop.wait_until(self._owns_bus_name, 20, 0.1))

    @staticmethod
    def _owns_bus_name():
        reply = desktop.run("dbus-send", "--session", "--print-reply=literal",
                            "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus.NameHasOwner",
                            "string:org.korrelang.Korrelang")
        return reply is not None and b"true" in reply

    def log_size(self):
        return os.path.getsize(self.log_path)

    def log_since(self, offset):
        with open(self.log_path, "rb") as log:
            log.seek(offset)
            return log.read().decode("utf-8", "replace").splitlines()

    def dismiss_alerts(self):
        """Answers korrelang's own windows (alerts) with their default button; their titles."""
        titles = []
        for window in desktop.windows_of(self.process.pid):
            titles.append(desktop.window_name(window) or "(untitled)")
            desktop.run("xdotool", "windowactivate", "--sync", window, "key", "Return")
        return titles

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(5)
        self._log.close()


def path_taken(lines):
    """How korrelang says it wrote the text, from its log lines of one converted press."""
    joined = "\n".join(lines)
    for line in reversed(lines):
        if "REPLACE SUCCEEDED via " in line:
            way = line.split("REPLACE SUCCEEDED via ", 1)[1].strip()
            return "AT-SPI" if way.lower() == "accessibility" else way
    for marker, name in (("Slow app conversion succeeded", "clipboard (slow app)"),
                         ("Clipboard conversion succeeded", "clipboard"),
                         ("Replaced in the terminal", "terminal")):
        if marker in joined:
            return name
    # The line before the caret is written through AT-SPI without a success line of its own.
    if "Found cursor-to-line text" in joined:
        return "AT-SPI"
    return "unknown"


def failure_reason(lines):
    """The last line in which korrelang says why it did not convert: an error or a decline
    first, a warning otherwise."""
    for marks in (("❌", "🚫", "⛔", "🔊", "🖥️", "declin"), ("⚠️",)):
        for line in reversed(lines):
            # Not a reason: the usual way from an empty selection to the line before the caret.
            if "trying fallbacks" in line:
                continue
            if any(mark in line for mark in marks):
                return line.strip()[:90]
    return ""


def claims_success(lines):
    return any("✅" in line and ("SUCCEEDED" in line or "succeeded" in line or
                                "complete" in line) for line in lines)


class Run:
    def __init__(self, app, korrelang, may_decline=()):
        self.app = app
        self.korrelang = korrelang
        self.cases = []
        # Cases still open in this application ("field/mode"): they must leave everything as
        # it was, but may leave the text unconverted.
        self.may_decline = set(may_decline)

    def clipboard_for(self, index):
        if index % 2 == 0:
            return desktop.ClipboardOwner("UTF8_STRING", CLIPBOARD_TEXT)
        return desktop.ClipboardOwner("image/png", desktop.png_image())

    def case(self, field, mode, index):
        app = self.app
        result = {"field": field, "mode": mode}
        self.cases.append(result)
        desktop.lock_group(0)
        if not app.is_running():
            return self.fail(result, "the application is not running any more")
        if not app.focus():
            return self.fail(result, "the application's window could not be focused")
        # Type like a person on the US layout, and make sure every key arrived.
        if mode == "line":
            app.new_line()
        before_typing = app.read()
        desktop.type_keys(TYPED)

        def typed_text():
            text = app.read()
            return text if text is not None and text.endswith(TYPED) else None

        shown = desktop.wait_until(typed_text, 8)
        if not shown:
            return self.fail(result, "the typed text did not arrive: the field shows %r "
                             "(before typing %r)" % (app.read(), before_typing))
        before = shown
        if mode == "selection":
            app.select_typed(len(TYPED))
        expected = before[:len(before) - len(TYPED)] + CONVERTED
        clipboard = self.clipboard_for(index)
        targets_before = desktop.clipboard_targets()
        if clipboard.read() != clipboard.data:
            return self.fail(result, "could not put the %s on the clipboard" % clipboard.mime)
        # With nothing selected, PRIMARY holds what the user last selected anywhere (a
        # terminal may take PRIMARY as its selection, so only editors are checked).
        primary = None
        if mode == "line" and not app.is_terminal:
            primary = desktop.ClipboardOwner("UTF8_STRING", PRIMARY_TEXT, "primary")

        offset = self.korrelang.log_size()
        released = desktop.chord("Control_L", "Shift_L", "space")

        def done():
            return app.read() == expected and clipboard.read() == clipboard.data

        first_seen = None
        deadline = released + CASE_LIMIT
        while time.monotonic() < deadline:
            if app.read() == expected:
                first_seen = first_seen or time.monotonic()
                if clipboard.read() == clipboard.data:
                    break
            time.sleep(0.01)
        if done():
            time.sleep(SETTLE)  # nothing may change after the result showed
        after = app.read()
        clipboard_after = clipboard.read()
        log = self.korrelang.log_since(offset)
        alerts = self.korrelang.dismiss_alerts()
        group = desktop.layout_group()

        result.update(before=before, after=after, expected=expected, log=log, alerts=alerts,
                      layout_group=group, clipboard_kind=clipboard.mime)
        if first_seen is not None:
            result["ms"] = round((first_seen - released) * 1000)
        problems = []
        if not app.is_running():
            problems.append("the application CRASHED (exit status %s)" % app.exit_status())
        if after == expected:
            result["outcome"] = "converted"
        elif after == before:
            result["outcome"] = "unchanged"
        else:
            result["outcome"] = "damaged"
        if clipboard_after == clipboard.data:
            result["clipboard"] = "intact"
        else:
            result["clipboard"] = "lost"
            problems.append("the clipboard lost the user's %s: before %s, now %s (targets "
                            "before %s, now %s)" % (
                                clipboard.mime, describe(clipboard.data), describe(clipboard_after),
                                targets_before, desktop.clipboard_targets()))
        if result["outcome"] == "converted":
            result["path"] = path_taken(log)
            if alerts or result["path"] == "unknown":
                problems.append("the text converted but korrelang reported failure (%s)" % (
                    "alert " + ", ".join(alerts) if alerts else failure_reason(log) or
                    "no success logged"))
        else:
            result["path"] = "none"
            successes = [line.strip() for line in log if "✅" in line and
                         ("SUCCEEDED" in line or "succeeded" in line or "complete" in line)]
            result["reason"] = failure_reason(log) or (
                successes[-1] + ", unverified" if successes else
                "alert: " + ", ".join(alerts) if alerts else "nothing logged")
            may_decline = app.may_decline or "%s/%s" % (field, mode) in self.may_decline
            declined_cleanly = may_decline and result["outcome"] == "unchanged"
            if declined_cleanly:
                result["outcome"] = "declined"
            else:
                problems.append("the text was %s: expected %r, found %r (before %r)" % (
                    result["outcome"], expected, after, before))
            if claims_success(log):
                problems.append("korrelang logged success but the text is %r" % after)
            if group != 0:
                problems.append("the conversion failed but the layout was switched to group %d"
                                % group)
        notes = []
        if primary is not None and not desktop.wait_until(
                lambda: primary.read() == primary.data, 2):
            # Required of the clipboard and paste ways of writing; the AT-SPI way selects
            # through the toolkit, which takes PRIMARY, so there it is only noted.
            lost = "PRIMARY lost the user's selection: now %s" % describe(primary.read())
            if result["path"] in ("AT-SPI", "none"):
                notes.append(lost)
            else:
                problems.append(lost)
        result["notes"] = notes
        problems += app.harm()
        result["problems"] = problems
        result["passed"] = not problems
        app.end_case(mode)
        return result

    def fail(self, result, problem):
        result.update(outcome="not run", problems=[problem], passed=False, path="", log=[])
        return result


class Unready(Exception):
    pass


def out_of_time(_number, _frame):
    raise TimeoutError("the run took longer than %d s" % RUN_LIMIT)


def describe(data):
    if data is None:
        return "(nothing)"
    try:
        text = data.decode("utf-8")
        return repr(text[:80])
    except UnicodeDecodeError:
        return "%d bytes starting %r" % (len(data), data[:12])


def report(name, result_cases, korrelang_log):
    failed = [c for c in result_cases if not c["passed"]]
    for case in result_cases:
        status = "ok  " if case["passed"] else "FAIL"
        print("%s %s %s/%s: %s, clipboard %s, path %s%s%s" % (
            status, name, case["field"] or "text", case["mode"], case.get("outcome"),
            case.get("clipboard", "-"), case.get("path", ""),
            (", %d ms" % case["ms"]) if "ms" in case else "",
            (" (%s)" % case["reason"]) if case.get("reason") else ""))
        for problem in case["problems"]:
            print("     - " + problem)
        for note in case.get("notes", []):
            print("     - note: " + note)
        if case.get("alerts"):
            print("     - alerts shown: %s" % case["alerts"])
        if not case["passed"] and case.get("log"):
            print("     korrelang printed during this case:")
            for line in case["log"]:
                print("       | " + line)
    if failed and not any(c.get("log") for c in failed):
        print("korrelang's whole log:\n" + korrelang_log)
    return not failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--korrelang", required=True)
    parser.add_argument("--results", required=True)
    parser.add_argument("--may-decline", action="append", default=[], metavar="FIELD/MODE",
                        help="a case known not to convert yet: it passes only when it leaves "
                             "the text, the clipboard and the layout as they were")
    parser.add_argument("app", choices=sorted(apps.APPLICATIONS))
    options = parser.parse_args()

    work = os.path.join(os.environ.get("KORRELANG_SESSION", "/tmp"), "apps")
    os.makedirs(work, exist_ok=True)
    os.makedirs(options.results, exist_ok=True)
    started = time.monotonic()
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(RUN_LIMIT)
    korrelang = Korrelang(options.korrelang, work)
    app = apps.APPLICATIONS[options.app](work)
    run = Run(app, korrelang, options.may_decline)
    try:
        if not korrelang.ready:
            raise Unready("korrelang did not start")
        problem = app.start()
        if problem:
            raise Unready("%s did not become ready: %s" % (app.title, problem))
        index = 0
        for field in app.fields:
            if field is not None and not app.choose_field(field):
                run.cases.append({"field": field, "mode": "selection", "outcome": "not run",
                                  "problems": ["could not focus the field %s" % field],
                                  "passed": False, "log": []})
                continue
            for mode in ("selection", "line"):
                run.case(field, mode, index)
                index += 1
    except Unready as unready:
        run.cases.append({"field": None, "mode": "-", "outcome": "not run", "passed": False,
                          "problems": [str(unready)], "log": []})
    except Exception:
        traceback.print_exc()
        run.cases.append({"field": None, "mode": "-", "outcome": "error", "passed": False,
                      "problems": ["the test itself failed: " + traceback.format_exc(limit=3)],
                      "log": []})
    finally:
        signal.alarm(0)
        app.stop()
        korrelang.stop()
    cases = run.cases

    version = apps.package_version(app.package)
    results = {"app": options.app, "name": app.title, "package": app.package,
               "version": version, "seconds": round(time.monotonic() - started, 1),
               "cases": cases}
    with open(os.path.join(options.results, options.app + ".json"), "w") as out:
        json.dump(results, out, ensure_ascii=False, indent=1)
    passed = report(options.app, cases, "\n".join(korrelang.log_since(0)))
    print("%s %s: %s in %.1f s" % (app.title, version, "passed" if passed else "FAILED",
                                   results["seconds"]))
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
