#!/usr/bin/python3
"""End-to-end on a headless GNOME Shell (run inside scripts/gnome-session):
    gnome_session_test.py KORRELANG [EDITOR...]
Korrelang writes its custom keyboard shortcut; the shortcut, pressed on the compositor's virtual
keyboard, converts a selection and the line before the caret in each editor, while the clipboard
stays as it was. The extension switches the layout and names the focused application."""

import sys
import time
import unittest

from session import (A_KEY, CTRL, END, ESC, RETURN, SHIFT, SPACE, Editor, Keyboard, Korrelang,
                     extension, gsettings, wait_until)

BINARY = sys.argv[1] if len(sys.argv) > 1 else "korrelang"
EDITORS = sys.argv[2:] or ["mousepad", "gedit", "gnome-text-editor"]
ENTRY = ("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:"
         "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/korrelang/")
CLIPBOARD = "the user's clipboard ✓"


class GnomeSession(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.keyboard = Keyboard()
        cls.keyboard.chord(ESC, settle=0.3)  # the shell starts in the overview
        cls.korrelang = Korrelang(BINARY)

    @classmethod
    def tearDownClass(cls):
        cls.korrelang.stop()
        cls.keyboard.stop()
        # Quitting takes Korrelang's shortcut out of GNOME's settings.
        listed = gsettings("get", "org.gnome.settings-daemon.plugins.media-keys",
                           "custom-keybindings")
        if "/custom-keybindings/korrelang/" in listed:
            raise AssertionError("the shortcut outlived Korrelang: " + listed)

    def test_1_shortcut_is_korrelangs_own_entry(self):
        listed = gsettings("get", "org.gnome.settings-daemon.plugins.media-keys",
                           "custom-keybindings")
        self.assertIn("/custom-keybindings/korrelang/", listed)
        self.assertEqual(gsettings("get", ENTRY, "binding"), "'<Control><Shift>space'")
        self.assertRegex(gsettings("get", ENTRY, "command"), "korrelang-convert'|' --convert")
        self.assertIn("Korrelang", gsettings("get", ENTRY, "name"))

    def test_2_extension_switches_the_layout(self):
        shell = extension()
        sources, current = shell.InputSources()
        self.assertEqual([str(s[1]) for s in sources], ["us", "ru"])
        try:
            self.assertTrue(shell.ActivateInputSource(1))
            self.assertTrue(wait_until(lambda: shell.InputSources()[1] == 1, 3))
            self.assertTrue(wait_until(
                lambda: gsettings("get", "org.gnome.desktop.input-sources",
                                  "mru-sources").startswith("[('xkb', 'ru')"), 3))
        finally:
            shell.ActivateInputSource(0)
            wait_until(lambda: shell.InputSources()[1] == 0, 3)

    def test_3_conversion_in_editors(self):
        for name in EDITORS:
            with self.subTest(editor=name):
                self.convert_in(name)

    @staticmethod
    def use_us_layout(shell):
        shell.ActivateInputSource(0)
        wait_until(lambda: shell.InputSources()[1] == 0, 3)
        # The keymap reaches the focused client a moment after the switch.
        wait_until(lambda: gsettings("get", "org.gnome.desktop.input-sources",
                                     "mru-sources").startswith("[('xkb', 'us')"), 3)
        time.sleep(0.1)

    def convert_in(self, name):
        shell = extension()
        shell.SetClipboardContent("text/plain;charset=utf-8", CLIPBOARD.encode())
        editor = Editor(name, self.keyboard)
        try:
            self.assertTrue(editor.ready(), "%s: no focused text field" % name)
            app_id, _, pid = shell.FocusedApplication()
            self.assertEqual(int(pid), editor.process.pid, "%s: focused pid" % name)
            self.assertTrue(str(app_id), "%s: no application id" % name)

            # A selection: the whole text.
            self.use_us_layout(shell)
            self.keyboard.type("ghbdtn vbh")
            self.assertTrue(wait_until(lambda: editor.text() == "ghbdtn vbh", 5), editor.text())
            self.keyboard.chord(CTRL, A_KEY)
            self.keyboard.chord(CTRL, SHIFT, SPACE)
            self.assertTrue(wait_until(lambda: editor.text() == "привет мир", 5),
                            "%s, selection: %r" % (name, editor.text()))

            # The line before the caret, on a new line.
            # Korrelang switched to the layout it converted to, through the extension.
            self.assertTrue(wait_until(lambda: shell.InputSources()[1] == 1, 3),
                            "%s: the layout was not switched" % name)
            self.use_us_layout(shell)
            self.keyboard.chord(CTRL, END)
            self.keyboard.chord(RETURN)
            self.keyboard.type("ghbdtn vbh")
            self.assertTrue(wait_until(lambda: editor.text().endswith("\nghbdtn vbh"), 5),
                            "%s, typing: %r" % (name, editor.text()))
            self.keyboard.chord(CTRL, SHIFT, SPACE)
            self.assertTrue(wait_until(lambda: editor.text() == "привет мир\nпривет мир", 5),
                            "%s, line: %r" % (name, editor.text()))

            content = bytes(shell.ClipboardContent("text/plain;charset=utf-8")).decode()
            self.assertEqual(content, CLIPBOARD, "%s: the clipboard changed" % name)
        finally:
            editor.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
