"""The Windows program under Wine, on the same private desktop as the Linux one.

Wine docks its notification icons into the desktop's X tray (trayer), bridges
the clipboard to X11 (converting CR LF to LF on the way out) and keeps the
program's settings in its registry, which the tests read and write with
`wine reg`. One Wine prefix serves the whole run; its server is kept running
between the cases so that each `wine` call starts quickly.
"""

import os
import re
import subprocess
import tempfile

from desktop import Desktop, wait_until
from driver import LinuxDriver, ProgramDriver, TypingTarget, held_until_released, start_owner

SETTINGS_KEY = r"HKEY_CURRENT_USER\Software\Textmend"
RUN_KEY = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run"
REGISTRY_TYPES = {"1": "REG_SZ", "2": "REG_EXPAND_SZ", "3": "REG_BINARY", "4": "REG_DWORD"}


class WineDesktop(Desktop):
    """The desktop with a tray of fixed width. Wine learns where a docked icon
    is on the screen when it docks; a tray that grows to fit the icon, and so
    moves along its edge, would leave Wine routing every click beside it."""

    def start_tray(self):
        if self._tray is None:
            self._tray = self._spawn(
                ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                 "--width", "96", "--heighttype", "pixel", "--height", "32",
                 "--SetDockType", "true"])
            wait_until(self.tray_available, what="the notification area")

    # Set by the driver: the clipboard's text as Windows programs see it, or None.
    windows_clipboard = None

    def copy(self, text):
        super().copy(text)
        # Wine takes the X clipboard over a moment later; a program reading it
        # before then would still see the previous text. A program that has
        # already replaced the copy (Autoprocess) has seen it too.
        if self.windows_clipboard is not None:
            wait_until(lambda: self._clipboard_owner.poll() is not None
                       or self.windows_clipboard() == text, what="Wine to see the copy")

    def copy_picture(self):
        super().copy_picture()
        if self.windows_clipboard is not None:
            wait_until(lambda: self.windows_clipboard() is None,
                       what="Wine to see the picture replace the text")

    def key(self, *keys, window=None):
        # Wine's menus take no keyboard grab, and the window manager gives no focus
        # to a program working from the tray: keys meant for an open menu are
        # typed into the menu's own window, as a user's keyboard would reach it.
        if window is None:
            menu = self.open_menu_window()
            if menu is not None:
                self.xdotool("windowfocus", "--sync", menu, check=False)
        super().key(*keys, window=window)

    def open_menu_window(self):
        """The X window of a menu textmend.exe has open (it has no title), or None."""
        for line in self.run(["xwininfo", "-root", "-tree"], check=False).splitlines():
            found = re.match(r'^\s*(0x[0-9a-f]+) \(has no name\): \("textmend\.exe" '
                             r'"textmend\.exe"\)\s+(\d+)x(\d+)', line)
            if found and int(found.group(2)) >= 20 and int(found.group(3)) >= 20:
                if "IsViewable" in self.run(["xwininfo", "-id", found.group(1)], check=False):
                    return found.group(1)
        return None


def reg_values(wine, key):
    """{name: data} of the values directly under key; empty when there are none."""
    values = {}
    for line in wine.run("reg", "query", key, check=False).splitlines():
        fields = line.strip().split("    ")
        if len(fields) >= 2 and fields[1].startswith("REG_"):
            values[fields[0]] = fields[2] if len(fields) > 2 else ""
    return values


def stored_values(wine, helper):
    """{key name: (type, data)} of every value "String" under the settings key,
    read by the helper: the program stores texts without their terminator,
    which `reg query` and `reg export` cannot show as they are."""
    if not helper:
        raise RuntimeError("no tray helper: set TEXTMEND_WINE_HELPER")
    values = {}
    for line in wine.run(helper, "settings", check=False).splitlines():
        key, kind, data = line.split("\t", 2)
        if data.startswith("[") and data.endswith("]"):
            values[key] = (REGISTRY_TYPES.get(kind, kind), data[1:-1])
    return values


class Wine:
    """One Wine prefix with a server kept alive for the session."""

    def __init__(self, desktop, prefix):
        self.prefix = os.path.abspath(prefix)
        self.env = dict(desktop.env, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self._server = None

    def start(self):
        if not os.path.isdir(self.prefix):
            raise RuntimeError(f"no Wine prefix at {self.prefix}; make it with "
                               "scripts/wine-run.sh --prefix DIR --setup")
        # A server left from another display would serve the wrong desktop.
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        self._server = subprocess.Popen(["wineserver", "--foreground", "--persistent"],
                                        env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        if self._server is not None:
            try:
                self._server.wait(10)
            except subprocess.TimeoutExpired:
                self._server.kill()
                self._server.wait()

    def run(self, *command, check=True):
        """Runs a Windows program to its end; returns its output with LF line breaks."""
        # Files, not pipes: the Wine services a call may start keep inherited
        # pipes open long after the program itself has ended.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            done = subprocess.run(["wine", *command], env=self.env, stdout=out, stderr=err,
                                  timeout=60)
            out.seek(0)
            err.seek(0)
            output = out.read().decode("utf-8", errors="replace")
            if check and done.returncode != 0:
                raise RuntimeError(f"wine {' '.join(command)} failed: "
                                   f"{err.read().decode(errors='replace').strip()}")
        return output.replace("\r\n", "\n")

    def windows_path(self, path):
        """A host path as Windows programs see it: the host's root is drive Z."""
        return "Z:" + os.path.abspath(path).replace("/", "\\")


class NotepadTarget(TypingTarget):
    """Wine's notepad; its text is read from its edit box by the helper."""

    def __init__(self, desktop, wine, helper_run):
        process = subprocess.Popen(["wine", "notepad"], env=wine.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = wait_until(lambda: desktop.windows(" - Notepad$"), what="notepad")[0]
        super().__init__(process, window)
        self.helper_run = helper_run

    def text(self):
        """The text, with LF line breaks; None when notepad cannot be read."""
        out = self.helper_run("notepad-text")
        return out[1:-2] if out.startswith("[") and out.endswith("]\n") else None


class WineDriver(ProgramDriver):
    """textmend.exe; its settings are registry keys under the current user."""

    def __init__(self, desktop, workdir, program, wine, helper=None, hotkey_holder=None):
        super().__init__(desktop, workdir)
        self.program = program
        self.wine = wine
        self.helper = helper
        self.hotkey_holder = hotkey_holder
        if isinstance(desktop, WineDesktop) and helper:
            desktop.windows_clipboard = self.windows_clipboard
        # Every case starts with nothing stored, as the Linux cases start with a
        # settings folder of their own.
        self.wine.run("reg", "delete", SETTINGS_KEY, "/f", check=False)

    def store_settings(self, texts):
        for key, text in texts.items():
            self.wine.run("reg", "add", f"{SETTINGS_KEY}\\{key}", "/v", "String",
                          "/t", "REG_SZ", "/d", text, "/f")

    def stored_settings(self):
        return {key: data for key, (_, data) in self.stored_values().items()}

    def stored_types(self):
        return {key: kind for key, (kind, _) in self.stored_values().items()}

    def stored_values(self):
        return stored_values(self.wine, self.helper)

    def launch(self, command=None):
        env = dict(self.wine.env, TEXTMEND_WIDGET_STATE=self.wine.windows_path(self.state_file))
        return subprocess.Popen(command or ["wine", self.program], env=env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(self.workdir, "stderr.txt"), "w"))

    def run_command(self, *arguments):
        return subprocess.run(["wine", self.program, *arguments], env=self.wine.env,
                              capture_output=True,
                              text=True, timeout=60)

    def own_command(self):
        return ["wine", self.wine.windows_path(self.program)]

    def autostart_command(self):
        value = reg_values(self.wine, RUN_KEY).get("Textmend")
        if value is None:
            return None
        # Windows runs the value as a command line: a quoted program path.
        assert value.startswith('"') and value.endswith('"'), f"unquoted path {value!r}"
        return ["wine", value[1:-1]]

    timeout_message = "Error occurred: #1460 "

    def hang_clipboard(self):
        if not self.helper:
            raise RuntimeError("no tray helper: set TEXTMEND_WINE_HELPER")
        return start_owner(["wine", self.helper, "hang-clipboard"], self.wine.env)

    # Found by its caption, as on Linux.
    main_window_id = LinuxDriver.main_window_id

    def new_typing_target(self):
        return NotepadTarget(self.desktop, self.wine, self.helper_run)

    def combination_held_elsewhere(self):
        if not self.hotkey_holder:
            raise RuntimeError("no hotkey holder: set TEXTMEND_WINE_HOTKEY_HOLDER")
        return held_until_released(["wine", self.hotkey_holder], self.wine.env, b"held")

    def tray_icon_count(self):
        return len(self.docked_icons())

    def tray_icon_box(self):
        if not self.widgets().get("tray", {}).get("shown"):
            return None
        boxes = self.docked_icons()
        return boxes[0] if boxes else None

    def docked_icons(self):
        """Boxes of the icons Wine's shell has docked into the tray and that are
        on the screen; the shell also keeps unmapped windows of the same size."""
        pattern = re.compile(r'^\s*(0x[0-9a-f]+) .*\("explorer\.exe" "explorer\.exe"\)\s+'
                             r'(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)')
        boxes = []
        for line in self.desktop.run(["xwininfo", "-root", "-tree"], check=False).splitlines():
            found = pattern.match(line)
            if not found:
                continue
            window = found.group(1)
            width, height, x, y = (int(v) for v in found.groups()[1:])
            if not (8 <= width <= 64 and 8 <= height <= 64 and x >= 0 and y >= 0):
                continue
            state = self.desktop.run(["xwininfo", "-id", window], check=False)
            if "IsViewable" in state:
                boxes.append({"x": x, "y": y, "width": width, "height": height})
        return boxes

    def kill(self):
        # An icon whose program was killed stays in Wine's tray until the mouse
        # touches it, and a later case would click it: take it away first.
        if getattr(self, "process", None) is not None and self.process.poll() is None:
            if self.helper:
                self.helper_run("remove-icon")
        super().kill()
        # The prefix outlives the case: a case that stopped half-way must not
        # leave the program in its sign-in list.
        self.wine.run("reg", "delete", RUN_KEY, "/v", "Textmend", "/f", check=False)
        for box in self.docked_icons():
            self.desktop.click_at(box["x"] + box["width"] // 2, box["y"] + box["height"] // 2,
                                  button=2)

    def text_box(self):
        # The native text box keeps Windows line breaks.
        return super().text_box().replace("\r\n", "\n")

    def helper_run(self, command):
        if not self.helper:
            raise RuntimeError("no tray helper: set TEXTMEND_WINE_HELPER")
        return self.wine.run(self.helper, command, check=False)

    def windows_clipboard(self):
        out = self.helper_run("clipboard")
        if out.startswith("[") and out.endswith("]\n"):
            return out[1:-2]
        return None

    def notification_area_tooltips(self):
        """The tooltips the notification area itself holds, as it would show them."""
        return [line[1:-1] for line in self.helper_run("tooltips").splitlines()
                if line.startswith("[") and line.endswith("]")]
