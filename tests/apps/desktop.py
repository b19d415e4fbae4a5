"""What a person does at the private desktop, and what they can see there.

Keys go through XTest by keycode, so the text typed depends on the layout that is active, as it
does for a person; the clipboard is read and written with xclip; text is read through AT-SPI.
"""

import ctypes
import ctypes.util
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from accessible import atspi_application, focused_text, text_content  # noqa: E402,F401

_x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XkbLockGroup.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_uint]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class _XkbState(ctypes.Structure):
    _fields_ = [("group", ctypes.c_ubyte), ("locked_group", ctypes.c_ubyte),
                ("base_group", ctypes.c_ushort), ("latched_group", ctypes.c_ushort),
                ("mods", ctypes.c_ubyte), ("base_mods", ctypes.c_ubyte),
                ("latched_mods", ctypes.c_ubyte), ("locked_mods", ctypes.c_ubyte),
                ("compat_state", ctypes.c_ubyte), ("grab_mods", ctypes.c_ubyte),
                ("compat_grab_mods", ctypes.c_ubyte), ("lookup_mods", ctypes.c_ubyte),
                ("compat_lookup_mods", ctypes.c_ubyte), ("ptr_buttons", ctypes.c_ushort)]


_x11.XkbGetState.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.POINTER(_XkbState)]
_USE_CORE_KEYBOARD = 0x100
_display = None

# Keysym names of the characters the cases type.
_KEYSYM_NAMES = {" ": "space", "\n": "Return", ".": "period", ",": "comma", ";": "semicolon",
                 "'": "apostrophe", "[": "bracketleft", "]": "bracketright", "/": "slash",
                 "-": "minus", "=": "equal"}


def _dpy():
    global _display
    if _display is None:
        _display = _x11.XOpenDisplay(None)
        if not _display:
            raise RuntimeError("no X display")
    return _display


def keycode(name):
    """The X keycode that types keysym `name` in the first group."""
    code = _x11.XKeysymToKeycode(_dpy(), _x11.XStringToKeysym(name.encode()))
    if code == 0:
        raise ValueError(f"no key types {name!r}")
    return code


def _key_event(code, down):
    _xtst.XTestFakeKeyEvent(_dpy(), code, 1 if down else 0, 0)
    _x11.XSync(_dpy(), 0)


def chord(*names, hold=0.05):
    """Presses keys in order, holds them like a person (`hold` seconds), releases in reverse;
    returns the moment the last key went up (a hotkey acts on that release)."""
    codes = [keycode(n) for n in names]
    for code in codes:
        _key_event(code, True)
        time.sleep(0.01)
    time.sleep(hold)
    released = None
    for code in reversed(codes):  # a hand lets go of the keys a few milliseconds apart
        _key_event(code, False)
        released = released or time.monotonic()
        time.sleep(0.01)
    return released


def type_keys(text, interval=0.012):
    """Types `text` key by key on whatever layout is active: lower-case letters and the
    punctuation above only, as the keys of a US keyboard."""
    for char in text:
        name = _KEYSYM_NAMES.get(char, char)
        code = keycode(name)
        _key_event(code, True)
        _key_event(code, False)
        time.sleep(interval)


def layout_group():
    state = _XkbState()
    _x11.XkbGetState(_dpy(), _USE_CORE_KEYBOARD, ctypes.byref(state))
    return state.locked_group


def lock_group(group):
    _x11.XkbLockGroup(_dpy(), _USE_CORE_KEYBOARD, group)
    _x11.XSync(_dpy(), 0)
    wait_until(lambda: layout_group() == group, 2)


def wait_until(condition, limit, interval=0.05):
    """Polls `condition` until it returns something true or `limit` seconds pass."""
    deadline = time.monotonic() + limit
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            return value
        time.sleep(interval)


def run(*command, input=None, timeout=10):
    """Runs a command to its end; its standard output as bytes, or None when it failed."""
    try:
        done = subprocess.run(command, input=input, capture_output=True, timeout=timeout)
    except (subprocess.TimeoutExpired, OSError):
        return None
    return done.stdout if done.returncode == 0 else None


def text_of(command_output):
    return command_output.decode("utf-8", "replace").strip() if command_output else ""


# Windows ----------------------------------------------------------------------------------------

def active_window():
    return text_of(run("xdotool", "getactivewindow"))


def windows_of(pid):
    return text_of(run("xdotool", "search", "--onlyvisible", "--pid", str(pid))).split()


def window_name(window):
    return text_of(run("xdotool", "getwindowname", window))


def window_pid(window):
    return text_of(run("xdotool", "getwindowpid", window))


def activate(window):
    run("xdotool", "windowactivate", "--sync", window, timeout=5)
    return active_window() == window


def click(window, x, y, repeat=1):
    run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "--repeat",
        str(repeat), "--delay", "80", "1")


# Clipboard --------------------------------------------------------------------------------------

class ClipboardOwner:
    """Puts data on a selection (CLIPBOARD, or PRIMARY) with xclip, which serves it until
    someone else takes the selection."""

    def __init__(self, mime, data, selection="clipboard"):
        self.mime = mime
        self.data = data
        self.selection = selection
        subprocess.run(["xclip", "-selection", selection, "-t", mime, "-i"], input=data,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
        wait_until(lambda: self.read() == data, 5)

    def read(self, mime=None):
        return run("xclip", "-selection", self.selection, "-t", mime or self.mime, "-o",
                   timeout=5)


def clipboard_targets():
    return text_of(run("xclip", "-selection", "clipboard", "-t", "TARGETS", "-o",
                       timeout=5)).split()


def clipboard_text():
    out = run("xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-o", timeout=5)
    return out.decode("utf-8", "replace") if out is not None else None


def png_image(width=48, height=32):
    """A small, valid PNG with a gradient, so every byte matters."""
    import struct
    import zlib

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    rows = b"".join(b"\0" + bytes(value for x in range(width)
                                   for value in (x * 5 % 256, y * 7 % 256, (x + y) % 256))
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

