#!/usr/bin/python3
"""End-to-end on a headless GNOME Shell (run inside scripts/gnome-session):
    gnome_session_test.py KORRELANG [EDITOR...]
Korrelang writes its custom keyboard shortcut; the shortcut, pressed on the compositor's virtual
keyboard, converts a selection and the line before the caret in each editor, while the clipboard
stays as it was. The extension switches the layout and names the focused application."""

import sys
import time
import unittest

import dbus

from session import (A_KEY, C_KEY, CTRL, END, ESC, RETURN, SHIFT, SPACE, Editor, Keyboard, Korrelang,
                     Terminal, extension, gsettings, wait_until)

BINARY = sys.argv[1] if len(sys.argv) > 1 else "korrelang"
EDITORS = sys.argv[2:] or ["mousepad", "gedit", "gnome-text-editor"]
ENTRY = ("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:"
         "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/korrelang/")
CLIPBOARD = "the user's clipboard ✓"
TEXT = "text/plain;charset=utf-8"
# A 1×1 PNG: an image the shell has to carry as bytes, not as text.
IMAGE = bytes.fromhex("89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                      "1f15c4890000000d49444154789c6360f8cf00000301010018dd8db00000"
                      "000049454e44ae426082")


def put(shell, primary, mime, data):
    return int(shell.SetClipboardContent(primary, mime, dbus.ByteArray(data)))


def content(shell, primary, mime, limit=1 << 20):
    data, outcome = shell.ClipboardContent(primary, mime, dbus.UInt32(limit), dbus.UInt32(500))
    return bytes(data), str(outcome)


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
        put(shell, False, TEXT, CLIPBOARD.encode())
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

            self.assertEqual(content(shell, False, TEXT), (CLIPBOARD.encode(), "received"),
                             "%s: the clipboard changed" % name)
        finally:
            editor.stop()

    def convert_in_terminal(self, shell):
        """Types "ghbdtn vbh" in a terminal, presses the shortcut and checks the word before the
        cursor was converted with nothing harmful sent. Returns the clipboard check's result."""
        terminal = Terminal()
        try:
            self.assertTrue(terminal.ready(), "the line editor did not start")
            self.assertTrue(wait_until(
                lambda: int(shell.FocusedApplication()[2]) == terminal.process.pid, 10),
                "the terminal did not get the focus")
            self.use_us_layout(shell)
            self.keyboard.type("ghbdtn vbh")
            self.assertTrue(wait_until(lambda: terminal.state()["line"] == "ghbdtn vbh", 5),
                            terminal.state())
            put(shell, True, TEXT, "mouse ✓".encode())
            self.keyboard.chord(CTRL, SHIFT, SPACE)
            # With no mouse selection ending at the cursor, the word before it is converted.
            self.assertTrue(wait_until(lambda: terminal.state()["line"] == "ghbdtn мир", 5),
                            "line: %r\n%s" % (terminal.state(), self.korrelang.log()[-3000:]))
            self.assertEqual(terminal.state()["harmful"], [])
            self.assertEqual(terminal.state()["signals"], [])
            self.assertTrue(wait_until(
                lambda: content(shell, True, TEXT) == ("mouse ✓".encode(), "received"), 3),
                "the mouse selection changed: %r" % (content(shell, True, TEXT),))
        finally:
            terminal.stop()

    def test_5_terminal_paste_keeps_clipboard_and_mouse_selection(self):
        # A terminal is written by erasing and pasting: both selections are Korrelang's for a
        # moment and must be the user's again afterwards.
        shell = extension()
        put(shell, False, "image/png", IMAGE)
        self.convert_in_terminal(shell)
        self.assertTrue(wait_until(
            lambda: content(shell, False, "image/png") == (IMAGE, "received"), 3),
            "the clipboard's image is gone: %r" % [str(t) for t in shell.ClipboardTypes(False)])

    def test_5b_text_copied_from_a_text_view_is_kept(self):
        # A GTK text view copies its text with a tagged form of it, which the shell cannot
        # give back beside the text; the text is what counts, and the clipboard counts as saved
        # whole (else the ways that need the clipboard would decline).
        shell = extension()
        editor = Editor("gedit", self.keyboard)
        try:
            self.assertTrue(editor.ready(), "gedit: no focused text field")
            self.use_us_layout(shell)
            self.keyboard.type("vbh")
            self.assertTrue(wait_until(lambda: editor.text() == "vbh", 5), editor.text())
            self.keyboard.chord(CTRL, A_KEY)
            self.keyboard.chord(CTRL, C_KEY)
            self.assertTrue(wait_until(
                lambda: "application/x-gtk-text-buffer-rich-text" in shell.ClipboardTypes(False),
                3))
            mark = len(self.korrelang.log())
            self.convert_in_terminal(shell)
            self.assertTrue(wait_until(
                lambda: content(shell, False, TEXT) == (b"vbh", "received"), 3),
                "the copied text is gone: %r" % (content(shell, False, TEXT),))
            self.assertNotIn("the shell can give back only one", self.korrelang.log()[mark:])
        finally:
            editor.stop()

    def test_6_blacklisted_application_is_left_alone(self):
        # The blacklist needs the focused application, which only the extension tells.
        shell = extension()
        editor = Editor("gedit", self.keyboard)
        try:
            self.assertTrue(editor.ready(), "gedit: no focused text field")
            app_id = str(shell.FocusedApplication()[0]).removesuffix(".desktop")
            self.korrelang.stop()
            type(self).korrelang = Korrelang(BINARY, extra="blacklistedApps=%s\n" % app_id,
                                             autostarted=True)
            self.use_us_layout(shell)
            self.keyboard.type("ghbdtn")
            self.assertTrue(wait_until(lambda: editor.text() == "ghbdtn", 5), editor.text())
            self.keyboard.chord(CTRL, A_KEY)
            self.keyboard.chord(CTRL, SHIFT, SPACE)
            self.assertTrue(wait_until(
                lambda: "Current app is blacklisted" in self.korrelang.log(), 5),
                "%s: %s" % (app_id, self.korrelang.log()[-2000:]))
            time.sleep(0.3)
            self.assertEqual(editor.text(), "ghbdtn")
        finally:
            editor.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
