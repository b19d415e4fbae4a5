#!/usr/bin/python3
"""A stand-in GlobalShortcuts portal on the session bus, for the flows a real desktop cannot be
made to take in a test. Modes:
  create-binds  CreateSession binds the shortcuts of its options; BindShortcuts does not exist
  bind          CreateSession opens the session only; BindShortcuts binds (the dialog accepted)
  cancel        like bind, but the dialog is cancelled (response 1)
The control object /control (org.korrelang.test.Control) emits the signals a desktop would and
reports the calls it received."""
import sys
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DBusGMainLoop(set_as_default=True)
MODE = sys.argv[1]
IFACE = "org.freedesktop.portal.GlobalShortcuts"
PATH = "/org/freedesktop/portal/desktop"
bus = dbus.SessionBus()
calls = []


def describe(trigger):
    # What a desktop shows: "CTRL+SHIFT+space" -> "Ctrl+Shift+Space"
    return "+".join(p.capitalize() for p in str(trigger).split("+"))


def bound(shortcuts):
    return dbus.Array([(i, {"trigger_description": describe(o.get("preferred_trigger", ""))})
                       for i, o in shortcuts], signature="(sa{sv})")


class Request(dbus.service.Object):
    def __init__(self, path):
        super().__init__(bus, path)

    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self):
        super().__init__(bus, PATH)
        self.session = None

    def request(self, sender, options, code, results):
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), options["handle_token"])
        req = Request(path)
        GLib.timeout_add(5, lambda: (req.Response(dbus.UInt32(code), results), False)[1])
        return dbus.ObjectPath(path)

    @dbus.service.method(IFACE, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        calls.append("CreateSession:" + ",".join(str(i) for i, _ in options.get("shortcuts", [])))
        self.session = "/org/freedesktop/portal/desktop/session/%s/%s" % (
            sender[1:].replace(".", "_"), options["session_handle_token"])
        results = {"session_handle": self.session}
        if MODE == "create-binds":
            results["shortcuts"] = bound(options.get("shortcuts", []))
        return self.request(sender, options, 0, results)

    @dbus.service.method(IFACE, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        calls.append("BindShortcuts:" + ",".join(str(i) for i, _ in shortcuts))
        if MODE == "create-binds":
            raise dbus.exceptions.DBusException("no such method", name="org.freedesktop.DBus.Error.UnknownMethod")
        if MODE == "cancel":
            return self.request(sender, options, 1, {})
        return self.request(sender, options, 0, {"shortcuts": bound(shortcuts)})

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(1)

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Deactivated(self, session, shortcut, timestamp, options):
        pass

    @dbus.service.signal(IFACE, signature="oa(sa{sv})")
    def ShortcutsChanged(self, session, shortcuts):
        pass


class Control(dbus.service.Object):
    def __init__(self, portal):
        super().__init__(bus, "/control")
        self.portal = portal

    @dbus.service.method("org.korrelang.test.Control", in_signature="sb")
    def Press(self, shortcut, down):
        signal = self.portal.Activated if down else self.portal.Deactivated
        signal(dbus.ObjectPath(self.portal.session), shortcut, dbus.UInt64(0), {})

    @dbus.service.method("org.korrelang.test.Control", in_signature="ss")
    def Change(self, shortcut, description):
        self.portal.ShortcutsChanged(dbus.ObjectPath(self.portal.session), dbus.Array(
            [(shortcut, {"trigger_description": description})], signature="(sa{sv})"))

    @dbus.service.method("org.korrelang.test.Control", out_signature="as")
    def Calls(self):
        return calls


class Session(dbus.service.FallbackObject):
    @dbus.service.method("org.freedesktop.portal.Session", rel_path_keyword="rel")
    def Close(self, rel):
        calls.append("Close")


portal = Portal()
Control(portal)
Session(bus, "/org/freedesktop/portal/desktop/session")
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
GLib.MainLoop().run()
