#!/usr/bin/python3
"""GNOME without Korrelang's shell extension (inside scripts/gnome-session --no-extension):
    gnome_no_extension_test.py KORRELANG
The shortcut and the accessibility path still convert, the layout stays where it was (nothing
may switch it), and the log says what is off and why."""

import sys
import unittest

from session import A_KEY, CTRL, ESC, SHIFT, SPACE, Editor, Keyboard, Korrelang, gsettings, wait_until

BINARY = sys.argv[1] if len(sys.argv) > 1 else "korrelang"


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
        finally:
            editor.stop()
            korrelang.stop()
            keyboard.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
