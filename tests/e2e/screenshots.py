"""Pictures of the program's windows, taken on the end-to-end tests' desktop.

    /usr/bin/python3 tests/e2e/screenshots.py PROGRAM OUTPUT_FOLDER
"""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop, wait_until  # noqa: E402
from driver import LinuxDriver  # noqa: E402

MARGIN = 4


def union(*boxes):
    left = min(b["x"] for b in boxes)
    top = min(b["y"] for b in boxes)
    right = max(b["x"] + b["width"] for b in boxes)
    bottom = max(b["y"] + b["height"] for b in boxes)
    return {"x": left, "y": top, "width": right - left, "height": bottom - top}


def capture(desktop, box, path):
    """Writes the part of the screen inside box (widened a little) to path."""
    x, y = max(0, box["x"] - MARGIN), max(0, box["y"] - MARGIN)
    width, height = box["width"] + 2 * MARGIN, box["height"] + 2 * MARGIN
    desktop.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                 "+repage", path])
    print(path)


def window_frame(desktop, title):
    window = wait_until(lambda: desktop.windows("^" + title + "$"), what=title)[0]
    return desktop.frame_box(window)


SAMPLE = "> Dear all,\n>\n> the  meeting is  moved to Friday.\n> See you there.\n"


def take_pictures(desktop, program, folder):
    """Processes a sample mail, then pictures the main window, the popup menu and
    the three dialogs: main.png, popup.png, help.png, about.png and hotkey.png in folder."""
    desktop.copy(SAMPLE)
    program.start()
    program.wait_window_state("normal")
    program.click_and_wait("chkRemGT", "chkRemGT", 1)
    program.click("cmdProcess")
    wait_until(lambda: program.text_box().startswith("Dear all"), what="the result")
    capture(desktop, window_frame(desktop, program.main()["caption"]),
            os.path.join(folder, "main.png"))

    program.open_tray_menu()
    items = wait_until(lambda: [item.get("box") for item in
                                program.main()["menus"]["mnu_1"]["items"].values()
                                if item.get("box")], what="the popup's items")
    capture(desktop, union(*items, program.tray_icon_box()), os.path.join(folder, "popup.png"))
    desktop.key("Escape")
    program.wait_menu_closed()

    program.choose_menu_item("mnuHelptitle", "mnuHelp")
    wait_until(lambda: program.widgets().get("frmHelp", {}).get("visible"), what="Help")
    capture(desktop, window_frame(desktop, "Textmend Help"), os.path.join(folder, "help.png"))
    # The Help dialog ignores Escape; its OK button closes it.
    desktop.click_box(wait_until(
        lambda: program.widgets().get("frmHelp", {}).get("controls", {}).get("OKButton"),
        what="the Help dialog's OK button"))
    wait_until(lambda: "frmHelp" not in program.widgets(), what="the Help dialog to close")

    program.choose_menu_item("mnuHelptitle", "mnuAbout")
    wait_until(lambda: program.widgets().get("frmAbout", {}).get("visible"), what="About")
    capture(desktop, window_frame(desktop, "About Textmend"), os.path.join(folder, "about.png"))
    desktop.key("Escape", window=desktop.windows("^About Textmend$")[0])
    wait_until(lambda: "frmAbout" not in program.widgets(), what="the About dialog to close")

    program.choose_menu_item("Options", "mnuHotkey")
    program.hotkey_dialog()
    capture(desktop, window_frame(desktop, "Clean and paste hotkey"),
            os.path.join(folder, "hotkey.png"))
    desktop.key("Escape", window=desktop.windows("^Clean and paste hotkey$")[0])
    wait_until(lambda: "frmHotkey" not in program.widgets(), what="the hotkey dialog to close")


def main():
    program_path, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    desktop = Desktop().start()
    workdir = tempfile.mkdtemp(prefix="textmend-shots-")
    program = LinuxDriver(desktop, workdir, program_path)
    try:
        take_pictures(desktop, program, folder)
    finally:
        program.kill()
        desktop.stop()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
