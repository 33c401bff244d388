#!/usr/bin/python3
"""The tests' desktop portal and notification server on a private session bus.

Methods take the signatures of Debian's interface descriptions
(xdg-desktop-portal-dev); a call in any other shape is answered with an error.
Requests answer with the code the test chose for the method (0 by default), after
the call's reply, as a desktop does once the user has decided. The test steers
it through org.textmend.FakePortal at /control and reads back every call.
"""

import json
import xml.etree.ElementTree as ElementTree

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACES = "/usr/share/dbus-1/interfaces"
DESKTOP = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
REMOTE = "org.freedesktop.portal.RemoteDesktop"
CONTROL = "org.textmend.FakePortal"
VERSIONS = {SHORTCUTS: 1, REMOTE: 2}


def signatures(interface):
    """Each method's input signature as the interface description gives it."""
    tree = ElementTree.parse(f"{INTERFACES}/{interface}.xml")
    found = {}
    for method in tree.iter("method"):
        found[method.get("name")] = "".join(
            arg.get("type") for arg in method.iter("arg") if arg.get("direction") == "in")
    return found


SIGNATURES = {name: signatures(name) for name in (SHORTCUTS, REMOTE)}


def plain(value):
    """A D-Bus value as JSON can carry it."""
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(key): plain(item) for key, item in value.items()}
    if isinstance(value, (dbus.Array, dbus.Struct, list, tuple)):
        return [plain(item) for item in value]
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (int, dbus.Byte)):
        return int(value)
    if isinstance(value, float):
        return float(value)
    return str(value)


class State:
    def __init__(self):
        self.reset()

    def reset(self):
        self.calls = []
        self.answers = {}
        self.offered = set(VERSIONS) | {"notifications"}
        self.shortcut_session = ""
        self.remote_session = ""
        self.sessions = 0


state = State()


def sender_part(sender):
    return sender[1:].replace(".", "_")


class Desktop(dbus.service.Object):
    def record(self, interface, method, message, args):
        expected = SIGNATURES[interface][method]
        if message.get_signature() != expected:
            raise dbus.exceptions.DBusException(
                f"{method} takes ({expected}), not ({message.get_signature()})",
                name="org.freedesktop.DBus.Error.InvalidArgs")
        state.calls.append({"method": method, "args": plain(args)})

    def request(self, sender, options, results):
        """The Request object for this call, answering after the reply."""
        path = f"{DESKTOP}/request/{sender_part(sender)}/{options['handle_token']}"
        method = state.calls[-1]["method"]
        response = state.answers.get(method, 0)

        def answer():
            signal = dbus.lowlevel.SignalMessage(path, "org.freedesktop.portal.Request", "Response")
            signal.append(dbus.UInt32(response), dbus.Dictionary(results, signature="sv"),
                          signature="ua{sv}")
            self.connection.send_message(signal)
            return False

        GLib.timeout_add(20, answer)
        return dbus.ObjectPath(path)

    def new_session(self, sender, options):
        state.sessions += 1
        token = options.get("session_handle_token", f"s{state.sessions}")
        return dbus.ObjectPath(f"{DESKTOP}/session/{sender_part(sender)}/{token}{state.sessions}")

    @dbus.service.method(SHORTCUTS, in_signature=SIGNATURES[SHORTCUTS]["CreateSession"],
                         out_signature="o", sender_keyword="sender", message_keyword="message")
    def CreateSession(self, options, sender, message):
        self.record(SHORTCUTS, "CreateSession", message, [options])
        state.shortcut_session = self.new_session(sender, options)
        return self.request(sender, options, {"session_handle": state.shortcut_session})

    @dbus.service.method(SHORTCUTS, in_signature=SIGNATURES[SHORTCUTS]["BindShortcuts"],
                         out_signature="o", sender_keyword="sender", message_keyword="message")
    def BindShortcuts(self, session, shortcuts, parent, options, sender, message):
        self.record(SHORTCUTS, "BindShortcuts", message, [session, shortcuts, parent, options])
        bound = [dbus.Struct((sid, dbus.Dictionary(
            {"description": props.get("description", ""),
             "trigger_description": "Press " + props.get("preferred_trigger", "")},
            signature="sv"))) for sid, props in shortcuts]
        return self.request(sender, options, {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Deactivated(self, session, shortcut_id, timestamp, options):
        pass

    # RemoteDesktop: its CreateSession shares the name, so it is dispatched by hand.
    def remote(self, method, message, args, sender, options, results):
        self.record(REMOTE, method, message, args)
        return self.request(sender, options, results)

    @dbus.service.method(REMOTE, in_signature=SIGNATURES[REMOTE]["SelectDevices"],
                         out_signature="o", sender_keyword="sender", message_keyword="message")
    def SelectDevices(self, session, options, sender, message):
        return self.remote("SelectDevices", message, [session, options], sender, options, {})

    @dbus.service.method(REMOTE, in_signature=SIGNATURES[REMOTE]["Start"], out_signature="o",
                         sender_keyword="sender", message_keyword="message")
    def Start(self, session, parent, options, sender, message):
        return self.remote("Start", message, [session, parent, options], sender, options,
                           {"devices": dbus.UInt32(1), "restore_token": "restore-1"})

    @dbus.service.method(REMOTE, in_signature=SIGNATURES[REMOTE]["NotifyKeyboardKeysym"],
                         message_keyword="message")
    def NotifyKeyboardKeysym(self, session, options, keysym, pressed, message):
        self.record(REMOTE, "NotifyKeyboardKeysym", message, [session, options, keysym, pressed])

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss",
                         out_signature="v")
    def Get(self, interface, name):
        if interface not in state.offered or name != "version":
            raise dbus.exceptions.DBusException(
                f"no {interface}", name="org.freedesktop.DBus.Error.UnknownInterface")
        return dbus.UInt32(VERSIONS[interface])



def remote_create_session(desktop, message):
    options = message.get_args_list()[0]
    sender = message.get_sender()
    desktop.record(REMOTE, "CreateSession", message, [options])
    state.remote_session = desktop.new_session(sender, options)
    return desktop.request(sender, options, {"session_handle": state.remote_session})


class Sessions(dbus.service.FallbackObject):
    @dbus.service.method("org.freedesktop.portal.Session", rel_path_keyword="path")
    def Close(self, path):
        state.calls.append({"method": "Close", "args": [f"{DESKTOP}/session{path}"]})


class Notifications(dbus.service.Object):
    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i",
                         out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        if "notifications" not in state.offered:
            raise dbus.exceptions.DBusException(
                "no server", name="org.freedesktop.DBus.Error.ServiceUnknown")
        state.calls.append({"method": "Notify", "args": plain([app, replaces, icon, summary])})
        return dbus.UInt32(7)


class Control(dbus.service.Object):
    def __init__(self, bus, desktop):
        super().__init__(bus, "/control")
        self.desktop = desktop

    @dbus.service.method(CONTROL, in_signature="")
    def Reset(self):
        state.reset()

    @dbus.service.method(CONTROL, in_signature="su")
    def Answer(self, method, response):
        state.answers[str(method)] = int(response)

    @dbus.service.method(CONTROL, in_signature="sb")
    def Offer(self, interface, offered):
        (state.offered.add if offered else state.offered.discard)(str(interface))

    @dbus.service.method(CONTROL, in_signature="sb")
    def Activate(self, shortcut_id, release):
        signal = self.desktop.Deactivated if release else self.desktop.Activated
        signal(state.shortcut_session, shortcut_id, dbus.UInt64(1), dbus.Dictionary({}, signature="sv"))

    @dbus.service.method(CONTROL, in_signature="b")
    def EndSession(self, remote):
        """The desktop ends the keyboard's or the shortcuts' session, as when the user revokes it."""
        session = state.remote_session if remote else state.shortcut_session
        signal = dbus.lowlevel.SignalMessage(session, "org.freedesktop.portal.Session", "Closed")
        signal.append(dbus.Dictionary({}, signature="sv"), signature="a{sv}")
        self.connection.send_message(signal)

    @dbus.service.method(CONTROL, out_signature="s")
    def Calls(self):
        return json.dumps(state.calls)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    desktop = Desktop(bus, DESKTOP)
    Sessions(bus, f"{DESKTOP}/session")
    Notifications(bus, "/org/freedesktop/Notifications")
    Control(bus, desktop)

    # Both portals name a method CreateSession: route RemoteDesktop's by interface.
    def filter_remote(connection, message):
        if (message.get_type() == dbus.lowlevel.MESSAGE_TYPE_METHOD_CALL
                and message.get_interface() == REMOTE and message.get_member() == "CreateSession"):
            try:
                reply = dbus.lowlevel.MethodReturnMessage(message)
                reply.append(remote_create_session(desktop, message), signature="o")
            except dbus.exceptions.DBusException as error:
                reply = dbus.lowlevel.ErrorMessage(message, error.get_dbus_name(), str(error))
            connection.send_message(reply)
            return dbus.lowlevel.HANDLER_RESULT_HANDLED
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED

    bus.add_message_filter(filter_remote)
    names = [dbus.service.BusName(name, bus) for name in
             ("org.freedesktop.portal.Desktop", "org.freedesktop.Notifications", CONTROL)]
    GLib.MainLoop().run()
    del names


if __name__ == "__main__":
    main()
