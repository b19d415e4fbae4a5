"""The applications of the compatibility suite: how each starts from a clean profile, when it is
ready, how a person selects in it, and how the test reads back what it holds."""

import json
import os
import shutil
import signal
import subprocess
import time
import urllib.parse

import desktop

HERE = os.path.dirname(os.path.abspath(__file__))
TYPED_BYTES = "ghbdtn vbh".encode()


def package_version(package):
    out = desktop.run("dpkg-query", "-W", "-f=${Version}", package)
    return desktop.text_of(out) or "?"


def descendants(pid):
    """`pid` and every process below it (LibreOffice's window belongs to a child)."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                parent = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, stack = [], [pid]
    while stack:
        current = stack.pop()
        found.append(current)
        stack.extend(children.get(current, []))
    return found


class Application:
    title = "?"
    package = "?"
    fields = [None]
    may_decline = False  # it offers no way to read the text: declining cleanly is a pass
    is_terminal = False
    ready_limit = 40

    def __init__(self, work):
        self.work = work
        self.home = os.path.join(work, "home-" + type(self).__name__.lower())
        os.makedirs(self.home, exist_ok=True)
        self.process = None
        self.window = None

    # Starting and stopping -------------------------------------------------------------------

    def command(self):
        raise NotImplementedError

    def environment(self):
        return {}

    def start(self):
        """Starts the application and waits until a person could type into it; None when
        ready, else what went wrong."""
        command = self.command()
        if shutil.which(command[0]) is None:
            return "%s is not installed (scripts/install-deps installs it)" % command[0]
        environment = dict(os.environ)
        environment.update(self.environment())
        self.process = subprocess.Popen(command, env=environment, cwd=self.home,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        deadline = time.monotonic() + self.ready_limit
        self.window = desktop.wait_until(self.main_window, self.ready_limit, 0.1)
        if not self.window:
            return "no window appeared in %d s" % self.ready_limit
        while time.monotonic() < deadline:
            if desktop.active_window() != self.window:
                desktop.activate(self.window)
            problem = self.check_ready()
            if problem is None:
                return self.warm_up(deadline)
            time.sleep(0.1)
            self.window = self.main_window() or self.window
        return problem

    def warm_up(self, deadline):
        """Some applications drop the first keys while they finish starting (FocusWriter):
        type a probe key until it shows, then take it back."""
        before = self.read()
        if before is None:
            return "the text cannot be read"
        while time.monotonic() < deadline:
            desktop.type_keys("x")
            if desktop.wait_until(lambda: self.read() == before + "x", 1.5):
                desktop.chord("BackSpace", hold=0.02)
                if desktop.wait_until(lambda: self.read() == before, 5):
                    return None
                return "BackSpace did not take the probe key back: %r" % self.read()
            if self.read() != before:
                desktop.chord("BackSpace", hold=0.02)  # a key arrived late; start again
                desktop.wait_until(lambda: self.read() == before, 2)
        return "typed keys do not arrive: the text reads %r" % self.read()

    def main_window(self):
        for pid in descendants(self.process.pid):
            for window in desktop.windows_of(pid):
                if self.is_main_window(desktop.window_name(window)):
                    return window
        return None

    def is_main_window(self, name):
        return bool(name)

    def check_ready(self):
        return None

    def is_running(self):
        return self.process is not None and self.process.poll() is None

    def exit_status(self):
        return self.process.poll()

    def stop(self):
        """Stops the application and whatever it started; nothing of it is worth saving."""
        if self.process is None:
            return
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            pass

    # What a person does ----------------------------------------------------------------------

    def focus(self):
        return desktop.active_window() == self.window or desktop.activate(self.window)

    def choose_field(self, field):
        return True

    def new_line(self):
        # End first: the previous case may have left its result selected.
        desktop.chord("End", hold=0.02)
        desktop.chord("Return", hold=0.02)

    def select_typed(self, length):
        desktop.chord("Shift_L", "Home", hold=0.02)

    def read(self):
        raise NotImplementedError

    def harm(self):
        return []

    def end_case(self, mode):
        pass


class AtspiEditor(Application):
    """An editor whose text the test reads through AT-SPI, from the focused text element."""

    def __init__(self, work):
        super().__init__(work)
        self.element = None

    def check_ready(self):
        app = desktop.atspi_application(int(desktop.window_pid(self.window) or 0))
        if app is None:
            return "the application is not on the accessibility bus"
        self.element = desktop.focused_text(app)
        if self.element is None:
            return "no focused text element"
        return None

    def new_line(self):
        before = self.element
        super().new_line()
        # Some editors give each paragraph its own element: follow the focus.
        desktop.wait_until(lambda: self.check_ready() is None, 5, 0.1)
        if self.element is None:
            self.element = before

    def read(self):
        return desktop.text_content(self.element) if self.element is not None else None


class Mousepad(AtspiEditor):
    title, package = "Mousepad", "mousepad"

    def command(self):
        subprocess.run(["gsettings", "set", "org.xfce.mousepad.preferences.file",
                        "session-restore", "never"], check=False)
        return ["mousepad", "--disable-server"]


class Gedit(AtspiEditor):
    title, package = "gedit", "gedit"

    def command(self):
        return ["gedit", "--standalone"]


class GnomeTextEditor(AtspiEditor):
    title, package = "GNOME Text Editor", "gnome-text-editor"

    def command(self):
        subprocess.run(["gsettings", "set", "org.gnome.TextEditor", "restore-session", "false"],
                       check=False)
        return ["gnome-text-editor", "--standalone", "--new-window"]


class KWrite(AtspiEditor):
    title, package = "KWrite", "kwrite"

    def command(self):
        # A file name opens the editor itself instead of the welcome page.
        return ["kwrite", os.path.join(self.home, "kwrite.txt")]

    def environment(self):
        return {"HOME": self.home, "XDG_CONFIG_HOME": os.path.join(self.home, ".config")}


class FocusWriter(AtspiEditor):
    title, package = "FocusWriter (Qt 6)", "focuswriter"

    def command(self):
        return ["focuswriter"]

    def is_main_window(self, name):
        # The window is named after the document once it is loaded; keys before are lost.
        return "Untitled" in name
    def environment(self):
        return {"HOME": self.home, "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
                "XDG_DATA_HOME": os.path.join(self.home, ".local/share")}


WRITER_SETTINGS = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry"
 xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Setup/Office"><prop oor:name="FirstStartWizardCompleted" oor:op="fuse"><value>true</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>%s</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/AutoCorrect"><prop oor:name="CapitalAtStartSentence" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Writer/AutoFunction/Format/Option"><prop oor:name="CapitalAtStartSentence" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Writer/AutoFunction/Completion"><prop oor:name="Enable" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Recovery/AutoSave"><prop oor:name="Enabled" oor:op="fuse"><value>false</value></prop></item>
</oor:items>
"""


class LibreOfficeWriter(AtspiEditor):
    """Writer with the GTK 3 plugin (what Debian starts on a GTK desktop), a fresh profile with
    the first-start screens and autocorrection off, no crash recovery."""

    title, package = "LibreOffice Writer (GTK 3)", "libreoffice-writer"
    ready_limit = 60

    def command(self):
        profile = os.path.join(self.home, "lo-profile")
        user = os.path.join(profile, "user")
        os.makedirs(user, exist_ok=True)
        version = ".".join(package_version("libreoffice-core").split(":")[-1].split(".")[:2])
        with open(os.path.join(user, "registrymodifications.xcu"), "w") as settings:
            settings.write(WRITER_SETTINGS % version)
        return ["lowriter", "--norestore", "--nologo", "-env:UserInstallation=file://" + profile]

    def environment(self):
        return {"SAL_USE_VCLPLUGIN": "gtk3"}

    def is_main_window(self, name):
        return "LibreOffice Writer" in name


class Browser(Application):
    """A browser showing page.html: the page puts the focused field's value into the window
    title, so the test reads what the page really holds."""

    fields = ["textarea", "editable"]

    def __init__(self, work):
        super().__init__(work)
        self.field = "textarea"

    def url(self):
        return "file://" + os.path.join(HERE, "page.html") + "#textarea"

    def is_main_window(self, name):
        return name.startswith("compat:")

    def page_state(self):
        name = desktop.window_name(self.window) if self.window else ""
        if not name.startswith("compat:"):
            return None, None
        field, _, rest = name[len("compat:"):].partition(":")
        return field, urllib.parse.unquote(rest.split(" ", 1)[0])

    def check_ready(self):
        field, _ = self.page_state()
        return None if field == self.field else "the page's %s is not focused" % self.field

    def choose_field(self, field):
        if field != self.field:
            self.focus()
            desktop.chord("Tab", hold=0.02)  # the editable follows the textarea
            self.field = field
        return bool(desktop.wait_until(lambda: self.check_ready() is None, 5))

    def read(self):
        field, value = self.page_state()
        return value if field == self.field else None


class Firefox(Browser):
    title, package = "Firefox ESR", "firefox-esr"
    fields = ["textarea", "editable"]
    ready_limit = 60

    def command(self):
        profile = os.path.join(self.home, "firefox-profile")
        os.makedirs(profile, exist_ok=True)
        prefs = {
            "browser.shell.checkDefaultBrowser": False,
            "browser.startup.homepage_override.mstone": "ignore",
            "browser.aboutwelcome.enabled": False,
            "startup.homepage_welcome_url": "",
            "browser.sessionstore.resume_from_crash": False,
            "browser.tabs.warnOnClose": False,
            "datareporting.policy.dataSubmissionEnabled": False,
            "datareporting.healthreport.uploadEnabled": False,
            "toolkit.telemetry.reportingpolicy.firstRun": False,
            "app.update.auto": False,
            "app.normandy.enabled": False,
            "extensions.update.enabled": False,
            "browser.safebrowsing.update.enabled": False,
            "network.captive-portal-service.enabled": False,
            "media.hardware-video-decoding.enabled": False,
        }
        with open(os.path.join(profile, "user.js"), "w") as user:
            for key, value in prefs.items():
                user.write("user_pref(%s, %s);\n" % (json.dumps(key), json.dumps(value)))
        return ["firefox-esr", "--no-remote", "--new-instance", "--profile", profile, self.url()]

    def environment(self):
        return {"MOZ_CRASHREPORTER_DISABLE": "1", "MOZ_ENABLE_WAYLAND": "0"}


class Chromium(Browser):
    title, package = "Chromium", "chromium"
    fields = ["textarea", "editable"]
    ready_limit = 60
    accessibility_tree = False

    def command(self):
        profile = os.path.join(self.home, "chromium-profile")
        command = ["chromium", "--user-data-dir=" + profile, "--no-first-run",
                   "--no-default-browser-check", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--disable-gpu",
                   "--password-store=basic", "--disable-features=Translate"]
        if os.geteuid() == 0:
            command.append("--no-sandbox")
        if self.accessibility_tree:
            command.append("--force-renderer-accessibility")
        return command + [self.url()]


class ChromiumAccessible(Chromium):
    title = "Chromium (accessibility tree on)"
    accessibility_tree = True


class Terminal(Application):
    """A terminal running line_editor.py, which reads a command line the way a shell does and
    records everything it received."""

    is_terminal = True

    def __init__(self, work):
        super().__init__(work)
        self.state_path = os.path.join(work, type(self).__name__.lower() + "-line.json")
        self.seen = {"signals": 0, "harmful": 0}

    def program(self):
        return ["/usr/bin/python3", os.path.join(HERE, "line_editor.py"), self.state_path]

    def state(self):
        try:
            with open(self.state_path, encoding="utf-8") as state:
                return json.load(state)
        except (OSError, ValueError):
            return None

    def check_ready(self):
        return None if self.state() is not None else "the line editor has not started"

    def read(self):
        state = self.state()
        return state["line"] if state else None

    def new_line(self):
        pass  # every case ends with Return, which starts a fresh line at the top

    def select_typed(self, length):
        # A drag with the mouse over the typed text, from the left half of its first cell to
        # the end of its last (where each terminal takes the last cell as selected), on the top
        # row; the cell width comes from the 80 columns.
        geometry = desktop.text_of(desktop.run("xdotool", "getwindowgeometry", "--shell",
                                               self.window))
        width = int(dict(line.split("=", 1) for line in geometry.split())["WIDTH"])
        cell = width // 80
        border = (width - 80 * cell) // 2
        y = str(self.first_row_y)
        desktop.run("xdotool", "mousemove", "--window", self.window, str(border + 1), y,
                    "mousedown", "1")
        for column in range(1, length + 1):
            desktop.run("xdotool", "mousemove", "--window", self.window,
                        str(border + column * cell + self.drag_end_offset), y)
        desktop.run("xdotool", "mouseup", "1")
        desktop.wait_until(lambda: desktop.run("xclip", "-selection", "primary", "-o") ==
                           TYPED_BYTES, 3)

    def harm(self):
        state = self.state() or {"signals": [], "harmful": []}
        problems = []
        signals = state["signals"][self.seen["signals"]:]
        harmful = state["harmful"][self.seen["harmful"]:]
        if signals:
            problems.append("the program in the terminal received %s" % ", ".join(signals))
        if harmful:
            problems.append("the program in the terminal received stray keys %r" % harmful)
        self.seen = {"signals": len(state["signals"]), "harmful": len(state["harmful"])}
        return problems

    def end_case(self, mode):
        state = self.state() or {"lines": []}
        count = len(state["lines"])
        self.focus()
        desktop.chord("Return", hold=0.02)
        desktop.wait_until(lambda: len((self.state() or {"lines": []})["lines"]) > count, 5)


class Xfce4Terminal(Terminal):
    title, package = "xfce4-terminal", "xfce4-terminal"
    first_row_y = 10
    drag_end_offset = -2  # VTE: the right half of the last cell

    def command(self):
        return ["xfce4-terminal", "--disable-server", "--hide-menubar", "--hide-toolbar",
                "--hide-scrollbar", "--geometry=80x10", "--title=compat terminal",
                "--execute"] + self.program()

    def environment(self):
        return {"XDG_CONFIG_HOME": os.path.join(self.home, ".config")}


class XTerm(Terminal):
    title, package = "xterm", "xterm"
    may_decline = True
    first_row_y = 8
    drag_end_offset = 1  # xterm: just past the last cell

    def command(self):
        return ["xterm", "-geometry", "80x10", "-title", "compat terminal", "-e"] + self.program()


APPLICATIONS = {
    "mousepad": Mousepad,
    "gedit": Gedit,
    "gnome-text-editor": GnomeTextEditor,
    "kwrite": KWrite,
    "focuswriter": FocusWriter,
    "libreoffice-writer": LibreOfficeWriter,
    "firefox": Firefox,
    "chromium": Chromium,
    "chromium-accessible": ChromiumAccessible,
    "xfce4-terminal": Xfce4Terminal,
    "xterm": XTerm,
}
