#!/usr/bin/python3
"""A CLIPBOARD owner that breaks the rules in one way: hostile-owner.py MODE.

It offers one text target, prints "ready" once it owns the selection and then
answers every request as MODE says until it is killed:
  split       INCR, every piece written in two appends, then the end
  takeback    INCR, but the third piece deleted as soon as written, and no more
  endless     INCR, pieces without end
  latin1      UTF8_STRING answered as STRING with Latin-1 bytes
  latin1incr  the same by INCR
  compound    TEXT (the only target offered) answered as COMPOUND_TEXT
  huge        INCR announcing 4 GB for "hello"
  unwritten   SelectionNotify naming a property it never wrote
  refuse      SelectionNotify refusing the text target it offers
"""
import itertools
import sys

from Xlib import X, Xatom, display
from Xlib.protocol import event

PIECES = b"".join(b"piece %04d;" % i for i in range(400))  # 4400 bytes
LATIN1 = "caf\u00e9 na\u00efve".encode("latin-1")
CHUNK = 1000

mode = sys.argv[1]
d = display.Display()
atom = d.intern_atom
window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
offered = atom("TEXT" if mode == "compound" else "UTF8_STRING")
reply_type = {"latin1": Xatom.STRING, "latin1incr": Xatom.STRING,
              "compound": atom("COMPOUND_TEXT")}.get(mode, atom("UTF8_STRING"))
data = {"latin1": LATIN1, "latin1incr": LATIN1, "huge": b"hello",
        "compound": b"\x1b%Gcaf\xc3\xa9"}.get(mode, PIECES)
incr = mode in ("split", "takeback", "endless", "latin1incr", "huge")


def wait_until_taken(requestor, prop):
    """Waits for the requestor to delete prop, the sign to go on."""
    while True:
        e = d.next_event()
        if (e.type == X.PropertyNotify and e.window.id == requestor.id and e.atom == prop
                and e.state == X.PropertyDelete
                and requestor.get_property(prop, X.AnyPropertyType, 0, 0) is None):
            return


def send_pieces(requestor, prop):
    """The INCR transfer after its start: the pieces, then the empty end."""
    wait_until_taken(requestor, prop)
    pieces = [data[i:i + CHUNK] for i in range(0, len(data), CHUNK)]
    for number, piece in enumerate(itertools.cycle(pieces) if mode == "endless" else pieces):
        if mode == "takeback" and number == 2:
            requestor.change_property(prop, reply_type, 8, piece)
            requestor.delete_property(prop)
            d.flush()
            return
        halves = [piece[:len(piece) // 2], piece[len(piece) // 2:]] if mode == "split" else [piece]
        for half in halves:
            requestor.change_property(prop, reply_type, 8, half, X.PropModeAppend)
        d.flush()
        wait_until_taken(requestor, prop)
    requestor.change_property(prop, reply_type, 8, b"")
    d.flush()


def answer(request):
    requestor = request.requestor
    prop = request.property or request.target
    if request.target == atom("TARGETS"):
        requestor.change_property(prop, Xatom.ATOM, 32, [atom("TARGETS"), offered])
    elif request.target != offered or mode == "refuse":
        prop = X.NONE
    elif incr:
        requestor.change_attributes(event_mask=X.PropertyChangeMask)
        announced = 0xFFFFFFFF if mode == "huge" else len(data)
        requestor.change_property(prop, atom("INCR"), 32, [announced])
    elif mode != "unwritten":
        requestor.change_property(prop, reply_type, 8, data)
    requestor.send_event(event.SelectionNotify(
        time=request.time, requestor=request.requestor, selection=request.selection,
        target=request.target, property=prop))
    d.flush()
    if incr and request.target == offered:
        send_pieces(requestor, prop)


window.set_selection_owner(atom("CLIPBOARD"), X.CurrentTime)
d.sync()
print("ready", flush=True)
while True:
    e = d.next_event()
    if e.type == X.SelectionRequest:
        answer(e)
