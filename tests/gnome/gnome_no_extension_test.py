#!/usr/bin/python3
"""GNOME without Korrelang's shell extension (inside scripts/gnome-session --no-extension):
    gnome_no_extension_test.py KORRELANG
The shortcut and the accessibility path still convert, the layout stays where it was (nothing
may switch it), and the log says what is off and why."""

import subprocess
import sys
import unittest

import pyatspi

from session import (A_KEY, CTRL, END, ESC, RETURN, SHIFT, SPACE, Editor, Keyboard, Korrelang,
                     Terminal, atspi_application, gsettings, wait_until)

BINARY = sys.argv[1] if len(sys.argv) > 1 else "korrelang"
SHORTCUTS = ("org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings")


def showing_windows(pid):
    app = atspi_application(pid)
    if app is None:
        return 0
    return sum(1 for i in range(app.childCount)
               if app.getChildAtIndex(i).getState().contains(pyatspi.STATE_SHOWING))


class WithoutExtension(unittest.TestCase):
    def test_selection_converts_through_the_shortcut(self):
        keyboard = Keyboard()
        keyboard.chord(ESC, settle=0.3)
        korrelang = Korrelang(BINARY)
        editor = Editor("gedit", keyboard)
        try:
            self.assertIn("GNOME Shell extension is off", korrelang.log())
            # GNOME 43 offers no GlobalShortcuts portal: the custom shortcut carries the hotkey.
            self.assertIn("Hotkey: through a custom shortcut in GNOME's keyboard settings",
                          korrelang.log())
            self.assertTrue(editor.ready(), "gedit: no focused text field")
            keyboard.type("ghbdtn vbh")
            self.assertTrue(wait_until(lambda: editor.text() == "ghbdtn vbh", 5), editor.text())
            keyboard.chord(CTRL, A_KEY)
            keyboard.chord(CTRL, SHIFT, SPACE)
            self.assertTrue(wait_until(lambda: editor.text() == "привет мир", 5), editor.text())
            # Without the extension nothing switched the layout.
            recent = gsettings("get", "org.gnome.desktop.input-sources", "mru-sources")
            self.assertFalse(recent.startswith("[('xkb', 'ru')"), recent)

            # The line before the caret, read and written through AT-SPI alone.
            keyboard.chord(CTRL, END)
            keyboard.chord(RETURN)
            keyboard.type("ghbdtn vbh")
            self.assertTrue(wait_until(lambda: editor.text().endswith("\nghbdtn vbh"), 5),
                            editor.text())
            keyboard.chord(CTRL, SHIFT, SPACE)
            self.assertTrue(wait_until(lambda: editor.text() == "привет мир\nпривет мир", 5),
                            editor.text())
            editor.stop()

            # No keys and no clipboard without the extension: a terminal is declined untouched.
            terminal = Terminal()
            try:
                self.assertTrue(terminal.ready(), "the line editor did not start")
                keyboard.type("ghbdtn vbh")
                self.assertTrue(wait_until(lambda: terminal.state()["line"] == "ghbdtn vbh", 5))
                mark = len(korrelang.log())
                keyboard.chord(CTRL, SHIFT, SPACE)
                self.assertTrue(wait_until(lambda: "HOTKEY PRESSED" in korrelang.log()[mark:], 5))
                self.assertTrue(wait_until(
                    lambda: "Replace failed by every way" in korrelang.log()[mark:] or
                    "declin" in korrelang.log()[mark:], 5), korrelang.log()[mark:])
                state = terminal.state()
                self.assertEqual((state["line"], state["harmful"], state["signals"], state["pastes"]),
                                 ("ghbdtn vbh", [], [], 0))
            finally:
                terminal.stop()
        finally:
            editor.stop()
            korrelang.stop()
            keyboard.stop()

    def test_without_a_tray_starting_again_opens_the_dashboard(self):
        korrelang = Korrelang(BINARY)
        try:
            # Started as from the applications overview, with no tray icon to click.
            self.assertTrue(wait_until(lambda: showing_windows(korrelang.process.pid) > 0, 10),
                            "no dashboard at launch")
            again = subprocess.run([BINARY], capture_output=True, text=True, timeout=20)
            self.assertEqual(again.returncode, 0, again.stderr)
            self.assertIn("already running; its dashboard is open", again.stdout)
            self.assertTrue(korrelang.process.poll() is None)
        finally:
            korrelang.stop()

    def test_turned_off_the_key_goes_back_to_the_applications(self):
        korrelang = Korrelang(BINARY, extra="isEnabled=false\n")
        try:
            self.assertIn("GNOME custom shortcut", korrelang.log())
            self.assertNotIn("/custom-keybindings/korrelang/", gsettings("get", *SHORTCUTS))
        finally:
            korrelang.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
