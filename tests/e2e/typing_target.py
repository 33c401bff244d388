"""A window with a text field that has the keyboard focus, standing in for the
program the user types in; the hotkey's paste lands in its field.

    /usr/bin/python3 typing_target.py OUTPUT_FILE

Writes the field's text to OUTPUT_FILE whenever it changes."""

import os
import sys
import tkinter

TITLE = "Typing target"


def main():
    output = sys.argv[1]
    root = tkinter.Tk(className="TypingTarget")
    root.title(TITLE)
    # Clear of the program's window, which opens in the middle of the screen.
    root.geometry("320x120+16+16")
    field = tkinter.Text(root, width=40, height=5)
    field.pack(fill="both", expand=True)
    field.focus_set()
    written = None

    def publish():
        nonlocal written
        text = field.get("1.0", "end-1c")
        if text != written:
            with open(output + ".part", "w") as f:
                f.write(text)
            os.replace(output + ".part", output)
            written = text
        root.after(50, publish)

    publish()
    root.mainloop()


if __name__ == "__main__":
    main()
