#!/usr/bin/python3
"""Terminals are never harmed: the real korrelang and real terminal emulators in the private
desktop, a person's typing and the real hotkey. A program in the foreground logs every byte and
signal it receives; the clipboard holds an image and the mouse selection a text of their own.

Run inside scripts/desktop-session --layouts us,ru: terminal_test.py path/to/korrelang
"""
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

KORRELANG = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/korrelang"

LOGGER = r"""
import os, signal, sys
log = sys.argv[1]
def note(name):
    def handler(*_):
        with open(log, 'ab') as f:
            f.write(b'<' + name + b'>')
    return handler
for number, name in ((signal.SIGINT, b'SIGINT'), (signal.SIGQUIT, b'SIGQUIT'),
                     (signal.SIGTSTP, b'SIGTSTP')):
    signal.signal(number, note(name))
with open(log, 'ab') as f:
    f.write(b'')
while True:
    try:
        data = os.read(0, 4096)
    except InterruptedError:
        continue
    if not data:
        break
    with open(log, 'ab') as f:
        f.write(data)
"""


def read(path):
    with open(path, "rb") as f:
        return f.read()


def wait_for(condition, limit=10.0):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.01)
    return condition()


def xclip_out(selection, target=None):
    arguments = ["xclip", "-o", "-selection", selection]
    if target:
        arguments += ["-t", target]
    return subprocess.run(arguments, capture_output=True).stdout


def terminal_line(pid):
    """The line before the cursor of the terminal widget of process `pid`, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        found = pyatspi.findDescendant(app, lambda o: o.getRole() == pyatspi.ROLE_TERMINAL)
        if found is None:
            return None
        text = found.queryText()
        value = text.getText(0, -1)
        before = value[: text.caretOffset]
        return before.split("\n")[-1].rstrip(" ")
    return None


class TerminalTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "Korrelang")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "Korrelang.conf"), "w") as f:
            f.write("[General]\nhasCompletedFirstLaunch=true\n"
                    "selectedKeyboards=xkb.us.English, xkb.ru.Russian\n"
                    "knownKeyboards=xkb.us.English, xkb.ru.Russian\n"
                    "autoSwitchKeyboard=false\n")
        cls.log = tempfile.NamedTemporaryFile(prefix="korrelang-", suffix=".log", delete=False)
        cls.korrelang = subprocess.Popen([KORRELANG], stdout=cls.log, stderr=subprocess.STDOUT)
        cls.log.close()
        # Ready once it answers on the session bus.
        assert wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.GetNameOwner",
             "string:org.korrelang.Korrelang"], capture_output=True).returncode == 0, 20)
        time.sleep(0.5)  # the hot key is grabbed right after

    @classmethod
    def tearDownClass(cls):
        cls.korrelang.terminate()
        cls.korrelang.wait(10)
        os.unlink(cls.log.name)

    def setUp(self):
        self.directory = tempfile.TemporaryDirectory()
        self.image = os.path.join(self.directory.name, "picture.png")
        with open(self.image, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + bytes(range(256)) * 8)
        self.owners = [
            subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", "image/png",
                              "-i", self.image], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL),
        ]
        self.assertTrue(wait_for(lambda: b"image/png" in xclip_out("clipboard", "TARGETS")))
        primary = subprocess.Popen(["xclip", "-quiet", "-selection", "primary"],
                                   stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        primary.stdin.write(b"middle-click text")
        primary.stdin.close()
        self.owners.append(primary)
        self.assertTrue(wait_for(lambda: xclip_out("primary") == b"middle-click text"))
        self.terminal = None

    def tearDown(self):
        if self.terminal is not None:
            self.terminal.terminate()
            self.terminal.wait(10)
        for owner in self.owners:
            if owner.poll() is None:
                owner.terminate()
                owner.wait(10)
        self.directory.cleanup()

    def start(self, command):
        self.terminal = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        pid = str(self.terminal.pid)

        def window():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", pid],
                                   capture_output=True).stdout.split()
            return found[-1].decode() if found else None

        self.assertTrue(wait_for(window, 30))

        def active():
            if subprocess.run(["xdotool", "getactivewindow", "getwindowpid"],
                              capture_output=True).stdout.strip() == pid.encode():
                return True
            subprocess.run(["xdotool", "windowactivate", window()], capture_output=True)
            return False

        self.assertTrue(wait_for(active, 20))
        time.sleep(0.5)  # the shell or program is reading

    def foreground_logger(self):
        path = os.path.join(self.directory.name, "received")
        script = os.path.join(self.directory.name, "logger.py")
        with open(script, "w") as f:
            f.write(LOGGER)
        open(path, "wb").close()
        return path, ["/usr/bin/python3", script, path]

    def press_hotkey(self):
        """Presses Control+Shift+Space like a person; returns the time of the release."""
        subprocess.run(["xdotool", "keydown", "ctrl+shift+space"])
        time.sleep(0.05)
        released = time.monotonic()
        subprocess.run(["xdotool", "keyup", "space", "shift", "ctrl"])
        return released

    def assert_selections_kept(self):
        self.assertTrue(wait_for(lambda: xclip_out("primary") == b"middle-click text", 3),
                        xclip_out("primary"))
        with open(self.image, "rb") as f:
            self.assertEqual(xclip_out("clipboard", "image/png"), f.read())

    def test_vte_converts_the_word_at_the_prompt(self):
        self.start(["xfce4-terminal", "--disable-server", "-x", "env", "PS1=$ ", "bash", "--norc",
                    "--noprofile"])
        subprocess.run(["xdotool", "type", "--delay", "15", "echo ghbdtn"])
        self.assertEqual(wait_for(lambda: terminal_line(self.terminal.pid) == "$ echo ghbdtn"),
                         True)
        released = self.press_hotkey()
        self.assertTrue(wait_for(lambda: terminal_line(self.terminal.pid) == "$ echo привет"),
                        terminal_line(self.terminal.pid))
        print(f"\nxfce4-terminal: release to converted line "
              f"{1000 * (time.monotonic() - released):.0f} ms (xdotool and this polling included)",
              file=sys.stderr)
        self.assert_selections_kept()

    def test_vte_program_in_the_foreground_gets_only_the_converted_line(self):
        received, logger = self.foreground_logger()
        self.start(["xfce4-terminal", "--disable-server", "-x"] + logger)
        subprocess.run(["xdotool", "type", "--delay", "15", "ghbdtn"])
        self.assertTrue(wait_for(lambda: terminal_line(self.terminal.pid) == "ghbdtn"))
        self.press_hotkey()
        self.assertTrue(wait_for(lambda: terminal_line(self.terminal.pid) == "привет"),
                        terminal_line(self.terminal.pid))
        self.assert_selections_kept()
        subprocess.run(["xdotool", "key", "Return"])
        self.assertTrue(wait_for(lambda: read(received).endswith(b"\n")))
        self.assertEqual(read(received), "привет\n".encode())

    def test_xterm_declines_and_its_program_receives_nothing(self):
        received, logger = self.foreground_logger()
        self.start(["xterm", "-e"] + logger)
        subprocess.run(["xdotool", "type", "--delay", "15", "ghbdtn"])
        log_before = os.path.getsize(self.log.name)
        self.press_hotkey()
        self.assertTrue(wait_for(lambda: b"declining without sending a key" in
                                 read(self.log.name)[log_before:]))
        time.sleep(0.3)
        self.assert_selections_kept()
        subprocess.run(["xdotool", "key", "Return"])
        self.assertTrue(wait_for(lambda: read(received).endswith(b"\n")))
        # No ^C, no signal, no stray byte: what the user typed, untouched.
        self.assertEqual(read(received), b"ghbdtn\n")


if __name__ == "__main__":
    unittest.main(verbosity=2)
