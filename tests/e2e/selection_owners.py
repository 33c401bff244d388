"""Writes the CLIPBOARD selection's owner window (0: none) each time it changes,
one a line, to standard output, after a first line "watching" once it watches.
Runs until it is ended."""

from Xlib import display as xdisplay
from Xlib.ext import xfixes


def main():
    display = xdisplay.Display()
    display.xfixes_query_version()
    display.xfixes_select_selection_input(display.screen().root,
                                          display.intern_atom("CLIPBOARD"),
                                          xfixes.XFixesSetSelectionOwnerNotifyMask)
    display.sync()
    print("watching", flush=True)
    while True:
        event = display.next_event()
        if (event.type, event.sub_code) == display.extension_event.SetSelectionOwnerNotify:
            print(getattr(event.owner, "id", event.owner), flush=True)


if __name__ == "__main__":
    main()
