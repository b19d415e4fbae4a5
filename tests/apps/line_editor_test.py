"""The line editor that stands in for a shell in the terminal cases: what it takes as typing,
and what it reports as harmful, checked through a real pseudo-terminal."""

import fcntl
import json
import os
import pty
import subprocess
import sys
import tempfile
import termios
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))


def take_terminal():
    """In the child: the pseudo-terminal becomes the controlling terminal, so Control+C
    raises SIGINT as in a real terminal."""
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)


def read_file(path):
    with open(path, encoding="utf-8") as state:
        return state.read()


class LineEditorTest(unittest.TestCase):
    def run_editor(self, chunks):
        with tempfile.TemporaryDirectory() as directory:
            state_path = os.path.join(directory, "state.json")
            master, slave = pty.openpty()
            editor = subprocess.Popen(
                [sys.executable, os.path.join(HERE, "line_editor.py"), state_path],
                stdin=slave, stdout=slave, stderr=slave, start_new_session=True,
                preexec_fn=take_terminal)
            try:
                self.assertTrue(self.wait(lambda: os.path.exists(state_path)))
                for chunk in chunks:
                    before = read_file(state_path)
                    os.write(master, chunk)
                    # Each chunk is taken in before the next is sent, as keys typed apart are.
                    self.assertTrue(self.wait(lambda: read_file(state_path) != before))
                self.wait(lambda: False, 0.3)
                with open(state_path, encoding="utf-8") as state:
                    return json.load(state)
            finally:
                editor.kill()
                editor.wait()
                os.close(slave)
                os.close(master)

    @staticmethod
    def wait(condition, limit=5):
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            if condition():
                return True
            time.sleep(0.02)
        return False

    def test_cases(self):
        cases = [
            # name, bytes sent in chunks, line, finished lines, harmful, signals
            ("typing", [b"ghbdtn vbh"], "ghbdtn vbh", [], [], []),
            ("backspace erases whole characters", ["при".encode(), b"\x7f\x7f", b"x"],
             "пx", [], [], []),
            ("return ends the line", [b"ghbdtn\r", b"vbh"], "vbh", ["ghbdtn"], [], []),
            ("bracketed paste is typing", [b"\x1b[200~", "мир".encode(), b"\x1b[201~"],
             "мир", [], [], []),
            ("a sequence split across reads", [b"a\x1b[1;", b"2Hb"], "ab", [], ["\x1b[1;2H"], []),
            ("control keys are harmful", [b"a\x01b"], "ab", [], ["^A"], []),
            # The terminal drops unread input on an interrupt, so the keys come apart.
            ("control+c interrupts", [b"ab", b"\x03"], "ab", [], [], ["SIGINT"]),
            ("escape sequences are harmful", [b"a\x1b[1;2D\x1bOHb"], "ab", [],
             ["\x1b[1;2D", "\x1bOH"], []),
        ]
        for name, chunks, line, lines, harmful, signals in cases:
            with self.subTest(name):
                state = self.run_editor(chunks)
                self.assertEqual(state["line"], line)
                self.assertEqual(state["lines"], lines)
                self.assertEqual(state["harmful"], harmful)
                self.assertEqual(state["signals"], signals)


if __name__ == "__main__":
    unittest.main()
