"""Helpers for tests inside scripts/gnome-session: keys injected through Mutter's remote-desktop
interface (as a person's keyboard), the shell extension, AT-SPI, and Korrelang itself."""

import json
import os
import subprocess
import sys
import time

import dbus
import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from accessible import atspi_application, focused_text, text_content  # noqa: E402

bus = dbus.SessionBus()
SESSION_DIR = os.environ.get("KORRELANG_SESSION_DIR", "/tmp")

# evdev codes
ESC, CTRL, SHIFT, SPACE, RETURN, END, A_KEY, C_KEY = 1, 29, 42, 57, 28, 107, 30, 46
LETTERS = {"g": 34, "h": 35, "b": 48, "d": 32, "t": 20, "n": 49, "v": 47, " ": 57}


def wait_until(condition, limit=10.0, step=0.02):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        try:
            value = condition()
            if value:
                return value
        except Exception:
            pass
        time.sleep(step)
    return None


class Keyboard:
    """A virtual keyboard of the compositor, as remote-desktop clients get one."""

    def __init__(self):
        desk = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
        path = dbus.Interface(desk, "org.gnome.Mutter.RemoteDesktop").CreateSession()
        self.session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                                      "org.gnome.Mutter.RemoteDesktop.Session")
        self.session.Start()
        # The first event only creates the device.
        self.chord(SHIFT)

    def chord(self, *codes, gap=0.02, settle=0.05):
        """Presses codes in order and releases them in reverse. With an input method running,
        events without a gap lose their modifiers."""
        for code in codes:
            self.session.NotifyKeyboardKeycode(dbus.UInt32(code), True)
            time.sleep(gap)
        for code in reversed(codes):
            self.session.NotifyKeyboardKeycode(dbus.UInt32(code), False)
            time.sleep(gap)
        time.sleep(settle)

    def press(self, code, down):
        self.session.NotifyKeyboardKeycode(dbus.UInt32(code), down)

    def type(self, text):
        for char in text:
            self.chord(LETTERS[char], gap=0.005, settle=0.005)

    def stop(self):
        self.session.Stop()


def extension():
    return dbus.Interface(bus.get_object("org.gnome.Shell", "/org/korrelang/GnomeShell"),
                          "org.korrelang.GnomeShell")


def gsettings(*args):
    return subprocess.run(["gsettings", *args], capture_output=True, text=True).stdout.strip()


def stop_process(process):
    """Ends a program started here: politely, then, after ten seconds, for good."""
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Korrelang:
    def __init__(self, binary, layouts="xkb.us.English,xkb.ru.Russian", extra="",
                 autostarted=False):
        """`autostarted`: as the session starts it at login, when no dashboard opens (started
        by hand without a tray, the dashboard opens and takes the focus)."""
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "Korrelang")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "Korrelang.conf"), "w") as f:
            f.write("[General]\nhasCompletedFirstLaunch=true\nstartAtLogin=false\n"
                    "selectedKeyboards=%s\n%s" % (layouts, extra))
        self.log_path = os.path.join(SESSION_DIR, "korrelang.log")
        self.log_file = open(self.log_path, "w")
        env = dict(os.environ)
        if autostarted:
            env["DESKTOP_AUTOSTART_ID"] = "korrelang-test"
        self.process = subprocess.Popen([binary], stdout=self.log_file, env=env,
                                        stderr=subprocess.STDOUT, start_new_session=True)
        running = wait_until(lambda: "Korrelang is running" in self.log(), 30, 0.05)
        if not running:
            raise RuntimeError("korrelang did not start:\n" + self.log())

    def log(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def stop(self):
        stop_process(self.process)
        self.log_file.close()


class Editor:
    """A text editor started on Wayland, its focused text field found through AT-SPI."""

    COMMANDS = {
        "mousepad": ["mousepad", "--disable-server"],
        "gedit": ["gedit", "--new-window", "-s"],
        "gnome-text-editor": ["gnome-text-editor", "--standalone", "--ignore-session"],
    }

    def __init__(self, name, keyboard):
        self.name = name
        self.keyboard = keyboard
        env = dict(os.environ, GDK_BACKEND="wayland", NO_AT_BRIDGE="0")
        self.process = subprocess.Popen(self.COMMANDS[name], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        self.field = None

    def ready(self, limit=40):
        def find():
            app = atspi_application(self.process.pid)
            return app and focused_text(app)
        self.field = wait_until(find, limit, 0.2)
        return self.field is not None

    def text(self):
        return text_content(self.field)

    def stop(self):
        stop_process(self.process)


class Terminal:
    """xfce4-terminal on Wayland running a line editor in its foreground (tests/apps), which
    records its line and anything harmful it received (control characters, signals)."""

    LINE_EDITOR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "apps",
                               "line_editor.py")

    def __init__(self):
        self.state_path = os.path.join(SESSION_DIR, "line-%d.json" % time.monotonic_ns())
        self.process = subprocess.Popen(
            ["xfce4-terminal", "--disable-server", "--hide-menubar", "--hide-toolbar",
             "--geometry=80x10", "--execute", sys.executable, self.LINE_EDITOR, self.state_path],
            env=dict(os.environ, GDK_BACKEND="wayland"), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)

    def state(self):
        try:
            with open(self.state_path, encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return None

    def ready(self, limit=20):
        """The line editor runs and the terminal's window is the active one (asked through
        AT-SPI, which needs no shell extension)."""
        def active():
            app = atspi_application(self.process.pid)
            return app is not None and any(
                app.getChildAtIndex(i).getState().contains(pyatspi.STATE_ACTIVE)
                for i in range(app.childCount))
        return wait_until(self.state, limit) is not None and wait_until(active, limit) is not None

    def stop(self):
        stop_process(self.process)
