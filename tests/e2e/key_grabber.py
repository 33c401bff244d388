"""Another program holding a key combination: grabs it on the root window,
says "held" and keeps it until its standard input ends.

    /usr/bin/python3 key_grabber.py ctrl+alt+v"""

import sys

from Xlib import X, XK
from Xlib.display import Display

MODIFIERS = {"ctrl": X.ControlMask, "alt": X.Mod1Mask, "shift": X.ShiftMask, "super": X.Mod4Mask}


def main():
    *modifiers, key = sys.argv[1].lower().split("+")
    mask = 0
    for name in modifiers:
        mask |= MODIFIERS[name]
    display = Display()
    keycode = display.keysym_to_keycode(XK.string_to_keysym(key))
    display.screen().root.grab_key(keycode, mask, True, X.GrabModeAsync, X.GrabModeAsync)
    display.sync()
    print("held", flush=True)
    sys.stdin.read()
    display.close()


if __name__ == "__main__":
    main()
