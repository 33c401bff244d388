"""Pictures of the Windows program's windows under Wine, on the same desktop as
the Linux pictures.

    /usr/bin/python3 tests/e2e/screenshots_windows.py PROGRAM OUTPUT_FOLDER

TEXTMEND_WINE_PREFIX names the Wine prefix, TEXTMEND_WINE_HELPER the tray helper.
"""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import wait_until  # noqa: E402
from screenshots import capture, union, window_frame  # noqa: E402
from wine_driver import Wine, WineDesktop, WineDriver  # noqa: E402


def main():
    program_path, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    desktop = WineDesktop().start()
    wine = Wine(desktop, os.environ["TEXTMEND_WINE_PREFIX"]).start()
    workdir = tempfile.mkdtemp(prefix="textmend-shots-")
    program = WineDriver(desktop, workdir, program_path, wine,
                         os.environ.get("TEXTMEND_WINE_HELPER"))
    try:
        desktop.copy("> Dear all,\n>\n> the  meeting is  moved to Friday.\n> See you there.\n")
        program.start()
        program.wait_window_state("normal")
        program.click_and_wait("chkRemGT", "chkRemGT", 1)
        program.click("cmdProcess")
        wait_until(lambda: program.text_box().startswith("Dear all"), what="the result")
        main_window = program.main()
        capture(desktop, window_frame(desktop, main_window["caption"]),
                os.path.join(folder, "main.png"))

        program.open_tray_menu()
        items = wait_until(lambda: [item.get("box") for item in
                                    program.main()["menus"]["mnu_1"]["items"].values()
                                    if item.get("box")], what="the popup's items")
        capture(desktop, union(*items, program.tray_icon_box()), os.path.join(folder, "popup.png"))
        desktop.key("Escape")
        wait_until(lambda: not program.main()["menus"]["mnu_1"]["open"], what="the menu to close")

        program.choose_menu_item("mnuHelptitle", "mnuHelp")
        wait_until(lambda: program.widgets().get("frmHelp", {}).get("visible"), what="Help")
        capture(desktop, window_frame(desktop, "Textmend Help"), os.path.join(folder, "help.png"))
        desktop.click_box(program.widgets()["frmHelp"]["controls"]["OKButton"])
        wait_until(lambda: "frmHelp" not in program.widgets(), what="the Help dialog to close")

        program.choose_menu_item("mnuHelptitle", "mnuAbout")
        wait_until(lambda: program.widgets().get("frmAbout", {}).get("visible"), what="About")
        capture(desktop, window_frame(desktop, "About Textmend"), os.path.join(folder, "about.png"))
        desktop.key("Escape", window=desktop.windows("^About Textmend$")[0])
        wait_until(lambda: "frmAbout" not in program.widgets(), what="the About dialog to close")
    finally:
        program.kill()
        wine.stop()
        desktop.stop()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
