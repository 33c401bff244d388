"""An X11 client that owns the CLIPBOARD selection, for the end-to-end tests.

    x11_owner.py hang     takes the clipboard, says "owning", and answers no request until
                          its standard input closes, when it ends
    x11_owner.py serve    reads texts from standard input, one a line; for each, takes the
                          clipboard again with the same window and serves that text as
                          UTF8_STRING; says "owning N" once the N-th text is on offer. A text
                          that starts with "secret:" is served without that prefix and marked
                          as a password manager marks its copies

Plain Xlib through ctypes, so that it needs nothing beyond the X library itself.
"""

import ctypes
import select
import sys

xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XCreateSimpleWindow.restype = ctypes.c_ulong
xlib.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                    ctypes.c_ulong]
xlib.XGetSelectionOwner.restype = ctypes.c_ulong
xlib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xlib.XPending.argtypes = [ctypes.c_void_p]
xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
xlib.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                 ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                            ctypes.c_void_p]

SELECTION_REQUEST = 30
XA_ATOM = 4
CURRENT_TIME = 0


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", ctypes.c_ulong),
                ("requestor", ctypes.c_ulong), ("selection", ctypes.c_ulong),
                ("target", ctypes.c_ulong), ("property", ctypes.c_ulong),
                ("time", ctypes.c_ulong)]


class SelectionNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", ctypes.c_ulong),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong),
                ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("request", SelectionRequest),
                ("pad", ctypes.c_long * 24)]


def main():
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("x11_owner: no display")
    window = xlib.XCreateSimpleWindow(display, xlib.XDefaultRootWindow(display),
                                      0, 0, 1, 1, 0, 0, 0)
    atom = lambda name: xlib.XInternAtom(display, name.encode(), 0)
    clipboard, targets, utf8 = atom("CLIPBOARD"), atom("TARGETS"), atom("UTF8_STRING")
    hint = atom("x-kde-passwordManagerHint")

    def take():
        xlib.XSetSelectionOwner(display, clipboard, window, CURRENT_TIME)
        if xlib.XGetSelectionOwner(display, clipboard) != window:
            sys.exit("x11_owner: could not take the clipboard")

    if sys.argv[1:] == ["hang"]:
        take()
        print("owning", flush=True)
        sys.stdin.read()
        return

    text, served, secret = b"", 0, False
    while True:
        ready, _, _ = select.select([sys.stdin, xlib.XConnectionNumber(display)], [], [])
        if sys.stdin in ready:
            line = sys.stdin.readline()
            if not line:
                return
            text, served = line.rstrip("\n").encode(), served + 1
            secret = text.startswith(b"secret:")
            text = text.removeprefix(b"secret:")
            take()
            print(f"owning {served}", flush=True)
        while xlib.XPending(display):
            event = Event()
            xlib.XNextEvent(display, ctypes.byref(event))
            if event.type == SELECTION_REQUEST:
                answer(display, event.request, (targets, utf8, hint if secret else None), text)


def answer(display, request, offered, text):
    targets, utf8, hint = offered
    reply = SelectionNotify(type=31, send_event=1, requestor=request.requestor,
                            selection=request.selection, target=request.target,
                            property=request.property, time=request.time)
    if request.target == targets:
        atoms = [atom for atom in offered if atom]
        xlib.XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, 0,
                             (ctypes.c_ulong * len(atoms))(*atoms), len(atoms))
    elif request.target == utf8:
        xlib.XChangeProperty(display, request.requestor, request.property, utf8, 8, 0,
                             text, len(text))
    elif hint and request.target == hint:
        xlib.XChangeProperty(display, request.requestor, request.property, utf8, 8, 0,
                             b"secret", 6)
    else:
        reply.property = 0
    xlib.XSendEvent(display, request.requestor, 0, 0, ctypes.byref(reply))
    xlib.XFlush(display)


if __name__ == "__main__":
    main()
