"""A stand-in for the desktop's notification service on a private session bus: it owns
org.freedesktop.Notifications, writes each Notify call's summary and body to LOG as one
JSON line, and touches READY once it has its name.

Usage: python3 my_days_notify_service.py LOG READY
"""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Service(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log = log
        self.last = 0

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        with open(self.log, "a", encoding="utf-8") as out:
            out.write(json.dumps({"app": str(app), "summary": str(summary), "body": str(body)}, ensure_ascii=False) + "\n")
        self.last += 1
        return self.last

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("fake", "dovrin-tests", "1.0", "1.2")

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, identifier):
        pass


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
keep = dbus.service.BusName(NAME, bus)
service = Service(bus, sys.argv[1])
open(sys.argv[2], "w").close()
GLib.MainLoop().run()
