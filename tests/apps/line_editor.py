"""A line editor in the foreground of a terminal, the way a shell reads a command line.

The terminal is put in non-canonical mode without echo, signals stay on, bracketed paste is
asked for. Printable text and BackSpace edit the line, Return ends it and clears the screen so
the next line starts at the top. Everything else that arrives (control characters, escape
sequences, signals) is recorded as harmful. After every read the state is written to the file
named on the command line, as JSON, for the test to read.

    line_editor.py STATE_FILE
"""

import json
import os
import re
import signal
import sys
import termios

PASTE_START = b"\x1b[200~"
PASTE_END = b"\x1b[201~"
# One escape sequence: CSI with parameters, SS3, or Escape followed by one character; a prefix
# of one (the rest still on its way) does not match.
ESCAPE = re.compile(rb"\x1b(\[[0-?]*[ -/]*[@-~]|O[^\[]|[^\[O])", re.S)
ESCAPE_PREFIX = re.compile(rb"\x1b(\[[0-?]*[ -/]*|O)?\Z", re.S)


def main():
    path = sys.argv[1]
    state = {"line": "", "lines": [], "harmful": [], "signals": [], "pastes": 0, "reads": 0}

    def save():
        temporary = path + ".tmp"
        with open(temporary, "w", encoding="utf-8") as out:
            json.dump(state, out, ensure_ascii=False)
        os.replace(temporary, path)

    def on_signal(number, _frame):
        state["signals"].append(signal.Signals(number).name)
        save()

    for number in (signal.SIGINT, signal.SIGQUIT, signal.SIGTSTP):
        signal.signal(number, on_signal)

    fd = sys.stdin.fileno()
    attributes = termios.tcgetattr(fd)
    attributes[3] &= ~(termios.ICANON | termios.ECHO)  # lflag; ISIG stays on
    attributes[6][termios.VMIN] = 1
    attributes[6][termios.VTIME] = 0
    termios.tcsetattr(fd, termios.TCSANOW, attributes)
    out = sys.stdout.buffer
    out.write(b"\x1b[?2004h\x1b[H\x1b[2J")
    out.flush()
    save()

    pending = b""
    line = bytearray()
    while True:
        try:
            chunk = os.read(fd, 4096)
        except InterruptedError:
            continue
        if not chunk:
            break
        state["reads"] += 1
        pending += chunk
        while pending:
            if pending.startswith(PASTE_START):
                state["pastes"] += 1
                pending = pending[len(PASTE_START):]
                continue
            if pending.startswith(PASTE_END):
                pending = pending[len(PASTE_END):]
                continue
            first = pending[0]
            if first == 0x1b:
                match = ESCAPE.match(pending)
                if match is None and ESCAPE_PREFIX.match(pending) and len(pending) < 32:
                    break  # the rest of the sequence is still on its way
                end = match.end() if match else 1
                state["harmful"].append(pending[:end].decode("latin-1"))
                pending = pending[end:]
            elif first in (0x7f, 0x08):
                while line and (line[-1] & 0xC0) == 0x80:
                    line.pop()
                if line:
                    line.pop()
                    out.write(b"\b \b")
                pending = pending[1:]
            elif first in (0x0d, 0x0a):
                state["lines"].append(line.decode("utf-8", "replace"))
                line = bytearray()
                out.write(b"\x1b[H\x1b[2J")
                pending = pending[1:]
            elif first < 0x20:
                state["harmful"].append("^" + chr(first + 0x40))
                pending = pending[1:]
            else:
                line.append(first)
                out.write(bytes([first]))
                pending = pending[1:]
        out.flush()
        state["line"] = line.decode("utf-8", "replace")
        save()


if __name__ == "__main__":
    main()
