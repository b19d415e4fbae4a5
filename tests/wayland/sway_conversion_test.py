#!/usr/bin/python3
"""End-to-end conversions on headless sway (run inside scripts/sway-session): the real korrelang,
running natively on Wayland, converts in Mousepad, in a Qt 6 window and in gedit, GNOME Text
Editor, KWrite and FocusWriter through the hotkey that it bound over sway's IPC, through `korrelang --convert`, and through the clipboard path when the
editor has no accessibility bridge; the user's clipboard comes back byte for byte.

    sway_conversion_test.py KORRELANG QT_TEXT_FIELD

Prints one PASS/FAIL line per check and 'N passed, N failed' at the end."""
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from accessible import focused_text_of as focused_text  # noqa: E402

KORRELANG = QT_TEXT_FIELD = None  # from the command line
SESSION = os.environ["KORRELANG_SWAY_SESSION_DIR"]
FIFO = os.environ["KORRELANG_KEYBOARD_FIFO"]
KEYBOARD_OUT = os.environ["KORRELANG_KEYBOARD_OUT"]
SETTINGS = os.path.join(os.environ["XDG_CONFIG_HOME"], "Korrelang", "Korrelang.conf")
CTRL, SHIFT, SPACE, RETURN, A, C, END, BACKSPACE = 29, 42, 57, 28, 30, 46, 107, 14
results = []


def check(name, passed, detail=""):
    results.append(bool(passed))
    print(("PASS " if passed else "FAIL ") + name + (f"  [{detail}]" if detail else ""), flush=True)
    return passed


def wait_for(condition, timeout=8.0, step=0.05):
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # an application that is still starting answers with errors
            value = None
        if value or time.monotonic() >= end:
            return value
        time.sleep(step)


def keys(*commands):
    """Sends commands to the session's virtual keyboard and waits until sway has them."""
    with open(KEYBOARD_OUT) as out:
        seen = out.read().count("ok\n")
    with open(FIFO, "w") as fifo:
        fifo.write("".join(c + "\n" for c in commands) + "sync\n")
    wait_for(lambda: open(KEYBOARD_OUT).read().count("ok\n") > seen, 5, 0.01)


def hotkey():
    keys(f"combo {CTRL} {SHIFT} {SPACE}")


def swaymsg(*args):
    return subprocess.run(["swaymsg", *args], capture_output=True, text=True, timeout=5).stdout


def active_layout():
    inputs = json.loads(swaymsg("-t", "get_inputs"))
    keyboards = [i for i in inputs if i["type"] == "keyboard"]
    main = max(keyboards, key=lambda i: len(i.get("xkb_layout_names", [])))
    return main["xkb_layout_names"][main["xkb_active_layout_index"]]


def focused_window():
    def walk(node):
        if node.get("focused") and node.get("pid"):
            return node
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            found = walk(child)
            if found:
                return found
    return walk(json.loads(swaymsg("-t", "get_tree"))) or {}


def focused_app_id():
    window = focused_window()
    return window.get("app_id") or window.get("window_properties", {}).get("class")


def shows(pid, expected, timeout=8.0):
    got = wait_for(lambda: focused_text(pid) == expected and expected, timeout)
    return got, focused_text(pid)


def paste(mime=None, primary=False):
    command = ["wl-paste", "--no-newline"] + (["--type", mime] if mime else []) + (
        ["--primary"] if primary else [])
    return subprocess.run(command, capture_output=True, timeout=5).stdout


def copy(data, mime):
    subprocess.run(["wl-copy", "--type", mime], input=data, timeout=5, check=True)


class Korrelang:
    """The real korrelang, started with the settings given; its log is kept for the checks."""

    def __init__(self, keyboards, blacklist=()):
        os.makedirs(os.path.dirname(SETTINGS), exist_ok=True)
        with open(SETTINGS, "w") as f:
            f.write("[General]\nhasCompletedFirstLaunch=true\nautoSwitchKeyboard=true\n"
                    "keepSelectionAfterConversion=true\nsmartCapitalization=false\n"
                    f"selectedKeyboards={', '.join(keyboards)}\n")
            if blacklist:
                f.write(f"blacklistedApps={', '.join(blacklist)}\n")
        self.log_path = os.path.join(SESSION, f"korrelang-{time.monotonic_ns()}.log")
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen([KORRELANG], stdout=self.log, stderr=subprocess.STDOUT)
        self.ready = wait_for(lambda: "Korrelang is running" in self.text(), 30)

    def text(self):
        return open(self.log_path).read()

    def lines_with(self, needle):
        return sum(needle in line for line in self.text().splitlines())

    def wait_line(self, needle, count=1, timeout=8.0):
        return wait_for(lambda: self.lines_with(needle) >= count, timeout)

    def stop(self):
        self.process.terminate()
        try:
            # A dictionary still loading delays the exit by some seconds on a loaded machine.
            self.process.wait(30)
        except subprocess.TimeoutExpired:
            print("korrelang did not stop; sway answers:", bool(swaymsg("-t", "get_version")),
                  flush=True)
            self.process.kill()
            self.process.wait(10)
            return False
        self.log.close()
        # The hotkey's binding goes with it.
        return "nop korrelang-hotkey" not in swaymsg("-t", "get_config")


class Editor:
    def __init__(self, command, env=None):
        self.process = subprocess.Popen(command, env=dict(os.environ, **(env or {})),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid

    def close(self):
        self.process.terminate()
        self.process.wait(10)


def mousepad(accessible=True):
    env = {"GDK_BACKEND": "wayland"}
    if not accessible:
        env["NO_AT_BRIDGE"] = "1"
    editor = Editor(["mousepad", "--disable-server"], env)
    # Without its single-instance server Mousepad's windows carry its program name as app id.
    mine = ("mousepad", "org.xfce.mousepad")
    if accessible:
        # Focused for sway (keys reach it) and for AT-SPI (its text can be read).
        ready = wait_for(lambda: focused_app_id() in mine and
                         focused_text(editor.pid) is not None, 30)
    else:
        ready = wait_for(lambda: focused_app_id() in mine, 20)
    if not ready:
        print(f"mousepad not ready: focused app id {focused_app_id()!r}", flush=True)
    return editor


def main():
    global KORRELANG, QT_TEXT_FIELD
    KORRELANG, QT_TEXT_FIELD = sys.argv[1], sys.argv[2]
    korrelang = Korrelang(["xkb.us.English", "xkb.ru.Russian"])
    log = korrelang.text()
    check("korrelang starts on its sway back end, Qt on Wayland",
          korrelang.ready and "Desktop back end: sway" in log, log[:300])

    editor = mousepad()
    keys("type ghbdtn")
    check("typed text reads back", shows(editor.pid, "ghbdtn", 15)[0], focused_text(editor.pid))
    keys(f"combo {CTRL} {A}")
    hotkey()
    ok, text = shows(editor.pid, "привет")
    check("selection converted through the hotkey bound over IPC", ok, text)
    check("auto-switch selected the Russian layout", wait_for(lambda: active_layout() == "Russian"),
          active_layout())
    swaymsg("input type:keyboard xkb_switch_layout 0")

    # The conversion stays selected: End leaves the selection before the next line.
    keys(f"key {END}", f"key {RETURN}", "type ghbdtn vbh")
    shows(editor.pid, "привет\nghbdtn vbh")  # the editor has every key before the hotkey
    hotkey()
    ok, text = shows(editor.pid, "привет\nпривет мир")
    check("line before the caret converted", ok, text)
    swaymsg("input type:keyboard xkb_switch_layout 0")
    keys(f"key {END}", f"key {RETURN}", "type ntrcn")
    shows(editor.pid, "привет\nпривет мир\nntrcn")
    subprocess.run([KORRELANG, "--convert"], timeout=10)
    ok, text = shows(editor.pid, "привет\nпривет мир\nтекст")
    check("korrelang --convert", ok, text)
    swaymsg("input type:keyboard xkb_switch_layout 0")
    editor.close()

    # The clipboard path: the editor without its accessibility bridge.
    png = b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR" + bytes(range(256)) * 4
    conversions = 0
    for name, mime, data in (("text", "text/plain;charset=utf-8", "the user's copy".encode()),
                             ("image", "image/png", png)):
        editor = mousepad(accessible=False)
        keys("type ghbdtn", f"combo {CTRL} {A}")
        copy(data, mime)
        hotkey()
        conversions += 1
        converted = korrelang.wait_line("✅ Clipboard conversion succeeded!", conversions, 15)
        restored = korrelang.wait_line("✅ Restored original clipboard", conversions, 5)
        back = paste(mime)
        check(f"clipboard path converts, {name} on the clipboard comes back intact",
              converted and restored and back == data, f"{len(back)} bytes back of {len(data)}")
        keys(f"combo {CTRL} {A}", f"combo {CTRL} {C}")
        got = wait_for(lambda: paste("text/plain;charset=utf-8") == "привет".encode(), 5)
        check(f"clipboard path: the editor holds the conversion ({name})", got,
              paste("text/plain;charset=utf-8").decode(errors="replace"))
        swaymsg("input type:keyboard xkb_switch_layout 0")
        editor.close()

    # A Qt 6 window running natively on Wayland.
    qt = Editor([QT_TEXT_FIELD, "ghbdtn"], {"QT_QPA_PLATFORM": "wayland"})
    wait_for(lambda: focused_text(qt.pid) == "ghbdtn", 20)
    hotkey()
    ok, text = shows(qt.pid, "привет")
    check("Qt 6 on Wayland: the word before the caret converted", ok, text)
    swaymsg("input type:keyboard xkb_switch_layout 0")
    qt.close()

    # Editors of the compatibility suite that run natively on Wayland: GTK 3, GTK 4, KDE's
    # (AT-SPI reads there but does not write: the paste way) and a Qt 6 one.
    document = os.path.join(SESSION, "kwrite.txt")  # a file opens KWrite's editor, not its welcome
    # FocusWriter takes keys only once its window is named after the document.
    for name, command, env, title in [
            ("gedit", ["gedit", "--new-window", "-s"], {"GDK_BACKEND": "wayland"}, ""),
            ("GNOME Text Editor", ["gnome-text-editor", "--standalone", "--ignore-session"], {},
             ""),
            ("KWrite", ["kwrite", document], {"QT_QPA_PLATFORM": "wayland"}, ""),
            ("FocusWriter", ["focuswriter"], {"QT_QPA_PLATFORM": "wayland"}, "Untitled")]:
        editor = Editor(command, dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        wait_for(lambda: focused_text(editor.pid) is not None and
                 title in (focused_window().get("name") or ""), 30)
        for _ in range(3):  # keys sent while a document is still loading are dropped
            keys(f"combo {CTRL} {A}", f"key {BACKSPACE}", "type ghbdtn")
            if shows(editor.pid, "ghbdtn", 3)[0]:
                break
        keys(f"combo {CTRL} {A}")
        hotkey()
        ok, text = shows(editor.pid, "привет")
        check(f"{name} on Wayland: the selection converted", ok, text)
        swaymsg("input type:keyboard xkb_switch_layout 0")
        keys(f"combo {CTRL} {A}", f"key {BACKSPACE}", "type ghbdtn vbh")
        shows(editor.pid, "ghbdtn vbh")
        hotkey()
        ok, text = shows(editor.pid, "привет мир")
        check(f"{name} on Wayland: the line before the caret converted", ok, text)
        swaymsg("input type:keyboard xkb_switch_layout 0")
        editor.process.kill()
        editor.process.wait(10)
    # The tray icon (Qt's StatusNotifierItem) and the dashboard, a window sway places itself.
    with open(os.path.join(SESSION, "session.log")) as log:
        check("the tray icon registers with the StatusNotifierWatcher",
              "item registered" in log.read())
    editor = mousepad()
    subprocess.run([KORRELANG], timeout=10)  # a second start opens the running one's dashboard
    shown = wait_for(lambda: focused_app_id() == "korrelang", 10)
    check("the dashboard opens as a window of its own with the focus", shown, focused_app_id())
    swaymsg(f"[pid={editor.pid}] focus")
    editor.close()
    check("the hotkey's binding is removed on quit", korrelang.stop())

    # The cycle of three layouts.
    korrelang = Korrelang(["xkb.us.English", "xkb.ru.Russian", "xkb.il.Hebrew"])
    editor = mousepad()
    keys("type ghbdtn")
    shows(editor.pid, "ghbdtn")
    keys(f"combo {CTRL} {A}")
    # Which layout comes first depends on whether the dictionaries have loaded yet; the cycle
    # visits both others, then gives the original back.
    cycle = []
    for _ in range(3):
        before = focused_text(editor.pid)
        hotkey()
        wait_for(lambda: focused_text(editor.pid) not in (before, ""))
        cycle.append(focused_text(editor.pid))
    check("the cycle of three",
          sorted(cycle[:2]) == sorted(["привет", "עינגאמ"]) and cycle[2] == "ghbdtn", str(cycle))
    swaymsg("input type:keyboard xkb_switch_layout 0")
    editor.close()
    korrelang.stop()

    # The blacklist, by the application id sway reports.
    editor = mousepad()
    app_id = wait_for(focused_app_id, 10)
    korrelang = Korrelang(["xkb.us.English", "xkb.ru.Russian"], [app_id or "?"])
    keys("type ghbdtn")
    shows(editor.pid, "ghbdtn")
    keys(f"combo {CTRL} {A}")
    hotkey()
    skipped = korrelang.wait_line("🚫 Current app is blacklisted, skipping conversion")
    time.sleep(0.3)
    check("a blacklisted editor is left alone", skipped and focused_text(editor.pid) == "ghbdtn",
          f"{app_id}: {focused_text(editor.pid)!r}")
    editor.close()
    korrelang.stop()

    print(f"{results.count(True)} passed, {results.count(False)} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
