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

from screenshots import take_pictures  # noqa: E402
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
        take_pictures(desktop, program, folder)
    finally:
        program.kill()
        wine.stop()
        desktop.stop()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
