"""How the tests reach one build of the program. The cases are written once
against ProgramDriver; each platform's program gets a driver that knows how to
start and stop it, where its settings live, and how to find its windows, its
controls and its tray icon on the desktop.

The programs describe what their windows show in a JSON file named by the
environment variable TEXTMEND_WIDGET_STATE (controls with their screen boxes,
values and texts, menus with their items, the open message box, the tray icon),
so the tests click where the controls really are and read what they really show.
"""

import abc
import configparser
import contextlib
import os
import re
import subprocess
import sys
import tempfile
import time

# A closed menu releases the pointer a moment after it disappears; a click in
# that moment is lost. No hand is that quick; the tests pause as long.
MENU_SETTLE_SECONDS = 0.3

from desktop import Desktop, end_process, wait_until, widget_state

X11_OWNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "x11_owner.py")


def start_owner(command, env):
    """Starts a clipboard owner and waits until it says "owning"."""
    owner = subprocess.Popen(command, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
    line = owner.stdout.readline()
    if not line.startswith("owning"):
        owner.kill()
        raise RuntimeError(f"{command[-1]}: the owner did not take the clipboard")
    return owner

def serve_clipboard(env, text):
    """Starts x11_owner.py serving text (see there for "secret:") and returns it
    once it owns the clipboard; further texts go to its standard input."""
    owner = subprocess.Popen(["/usr/bin/python3", X11_OWNER, "serve"], env=env,
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    owner.stdin.write(text + "\n")
    owner.stdin.flush()
    if owner.stdout.readline() != "owning 1\n":
        owner.kill()
        raise RuntimeError("x11_owner.py did not take the clipboard")
    return owner


MAIN_CAPTION = "Textmend 2.3.4 "
# The twelve options' keys, then the hotkey's.
SETTING_KEYS = ["upper", "lower", "clean", "proper", "remcrs", "dblspc", "sentence",
                "noblanks", "trimcr", "remcrdbl", "start", "remgt", "hotkey", "invisible",
                "plainpunct", "joinwords", "trimspaces", "keeplists"]


# The string escapes of a desktop entry's values.
STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def exec_arguments(entry):
    """The Exec line of a desktop entry split into arguments, as a session reads
    it: the string escapes undone, then the quoting, then %% for %."""
    with open(entry) as f:
        value = next(line[5:].rstrip("\n") for line in f if line.startswith("Exec="))
    value = re.sub(r"\\(.)", lambda m: STRING_ESCAPES.get(m.group(1), m.group(0)), value)
    arguments, current, quoted, i = [], None, False, 0
    while i < len(value):
        c = value[i]
        if quoted and c == "\\" and i + 1 < len(value) and value[i + 1] in '"`$\\':
            current += value[i + 1]
            i += 1
        elif c == '"':
            quoted = not quoted
            current = current or ""
        elif c == " " and not quoted:
            if current is not None:
                arguments.append(current)
            current = None
        else:
            current = (current or "") + c
        i += 1
    assert not quoted, f"unbalanced quotes in {value!r}"
    if current is not None:
        arguments.append(current)
    return [argument.replace("%%", "%") for argument in arguments]


class ProgramDriver(abc.ABC):
    def __init__(self, desktop: Desktop, workdir: str):
        self.desktop = desktop
        self.workdir = workdir
        self.state_file = os.path.join(workdir, "widgets.json")
        self.targets = []

    # -- what each platform supplies

    @abc.abstractmethod
    def store_settings(self, texts: dict):
        """Stores the given texts under their setting keys, as a user editing the store would."""

    @abc.abstractmethod
    def stored_settings(self) -> dict:
        """Every stored setting key with its text."""

    @abc.abstractmethod
    def launch(self, command=None) -> subprocess.Popen:
        """Starts the program, by command when one is given (as the session would),
        with TEXTMEND_WIDGET_STATE set to self.state_file."""

    @abc.abstractmethod
    def run_command(self, *arguments) -> subprocess.CompletedProcess:
        """Runs another start of the program with arguments, as a desktop
        shortcut would, and returns how it ended, its output as text."""

    @abc.abstractmethod
    def own_command(self):
        """The command that starts this build by its absolute path, as the
        running program names itself."""

    @abc.abstractmethod
    def autostart_command(self):
        """The command the session runs at sign-in by the program's autostart
        entry, or None when there is no entry."""

    @abc.abstractmethod
    def hang_clipboard(self) -> subprocess.Popen:
        """Starts a program that takes the clipboard with text it never hands
        over, and returns once it has."""

    # How the program reports a read that ran out of time, up to the platform's text.
    timeout_message = ""

    @abc.abstractmethod
    def main_window_id(self):
        """The desktop's id of the main window, or None."""

    @abc.abstractmethod
    def tray_icon_count(self):
        """How many icons of the program the notification area shows."""

    @abc.abstractmethod
    def tray_icon_box(self):
        """The tray icon's box on the screen, or None when it is not there."""

    @abc.abstractmethod
    def new_typing_target(self):
        """Opens another program's window whose text field has the keyboard
        focus; returns it as a TypingTarget."""

    @abc.abstractmethod
    def combination_held_elsewhere(self):
        """A context in which another program holds Ctrl+Alt+V."""

    # -- common to every platform

    def start(self, command=None):
        self.process = self.launch(command)
        wait_until(lambda: self.widgets().get("tray") is not None
                   and self.main_window_id() is not None, what="the program to start")
        return self

    def widgets(self):
        return widget_state(self.state_file)

    def main(self):
        return self.widgets().get("frmMain", {})

    def control(self, name):
        return self.main()["controls"][name]

    def value(self, name):
        return self.control(name)["value"]

    def text_box(self):
        return self.control("txtClipboard")["text"]

    def menu_item(self, menu, item):
        return self.main()["menus"][menu]["items"][item]

    def window_state(self):
        window = self.main_window_id()
        return "withdrawn" if window is None else self.desktop.wm_state(window)

    def wait_window_state(self, state, timeout=10):
        wait_until(lambda: self.window_state() == state, timeout, f"the window to be {state}")

    def click(self, name):
        wait_until(lambda: self.main().get("visible") and self.window_state() == "normal",
                   what="the window to be on screen")
        self.desktop.click_box(self.control(name))

    def click_and_wait(self, name, control, expected):
        """Clicks a box or option and waits until control shows expected."""
        self.click(name)
        wait_until(lambda: self.value(control) == expected, what=f"{control} to be {expected}")

    def choose_menu_item(self, menu, item):
        """Opens a menu of the menu bar and chooses one of its items."""
        self.desktop.click_box(self.main()["menus"][menu]["title"])
        self._choose_from_open_menu(menu, item)

    def open_tray_menu(self):
        self.desktop.click_box(self.wait_tray_icon(), button=3)
        wait_until(lambda: self.main()["menus"]["mnu_1"]["open"], what="the popup menu")

    def choose_tray_menu_item(self, item):
        self.open_tray_menu()
        self._choose_from_open_menu("mnu_1", item)

    def _choose_from_open_menu(self, menu, item):
        box = wait_until(lambda: self.main()["menus"][menu]["items"][item].get("box"),
                         what=f"{item} in the open menu")
        self.desktop.click_box(box)
        self.wait_menu_closed(menu)

    def wait_menu_closed(self, menu="mnu_1"):
        wait_until(lambda: not self.main()["menus"][menu]["open"], what="the menu to close")
        time.sleep(MENU_SETTLE_SECONDS)

    def wait_tray_icon(self, timeout=10):
        return wait_until(self.tray_icon_box, timeout, "the tray icon")

    def click_tray_icon(self, double=False):
        box = self.wait_tray_icon()
        self.desktop.click_at(box["x"] + box["width"] // 2, box["y"] + box["height"] // 2,
                              repeat=2 if double else 1)

    def minimize(self):
        self.desktop.xdotool("windowminimize", str(self.main_window_id()))

    def message_box(self):
        return self.widgets().get("messageBox")

    def close_by_close_box(self):
        """The window manager's close command, as the title bar's close box sends it."""
        self.desktop.key("alt+F4", window=self.main_window_id())
        self.wait_exit()

    def wait_exit(self, timeout=10):
        self.process.wait(timeout)

    def program_errors(self):
        """What a sanitizer build reported on the program's error output
        (workdir/stderr.txt, where launch sends it)."""
        try:
            with open(os.path.join(self.workdir, "stderr.txt"), errors="replace") as f:
                text = f.read()
        except OSError:
            return ""
        markers = ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer")
        return text if any(marker in text for marker in markers) else ""

    def open_typing_target(self):
        """A new TypingTarget, closed with the program."""
        self.targets.append(self.new_typing_target())
        return self.targets[-1]

    def hotkey_dialog(self):
        """What the hotkey dialog shows once it is on the screen."""
        return wait_until(lambda: self.widgets().get("frmHotkey", {}).get("visible")
                          and self.widgets()["frmHotkey"]["controls"], what="the hotkey dialog")

    def kill(self):
        """Ends the program if it still runs: asked first, forced if it does not go."""
        for target in self.targets:
            target.close()
        end_process(getattr(self, "process", None))


class TypingTarget(abc.ABC):
    """Another program's window with a text field, where the user types."""

    def __init__(self, process, window):
        self.process = process
        self.window = window

    @abc.abstractmethod
    def text(self):
        """The field's whole text."""

    def close(self):
        end_process(self.process)


class TkTypingTarget(TypingTarget):
    """typing_target.py, which writes its field's text to a file."""

    def __init__(self, desktop, workdir):
        self.output = os.path.join(workdir, "typed.txt")
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "typing_target.py")
        process = subprocess.Popen([sys.executable, script, self.output], env=desktop.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = wait_until(lambda: desktop.windows("^Typing target$"),
                            what="the typing target")[0]
        super().__init__(process, window)
        wait_until(lambda: os.path.exists(self.output), what="the typing target's field")

    def text(self):
        with open(self.output) as f:
            return f.read()


@contextlib.contextmanager
def held_until_released(command, env, announcement):
    """Runs a program that holds a combination and says announcement once it
    does; it lets go when its standard input ends, at the end of the context."""
    with tempfile.TemporaryFile() as out:
        holder = subprocess.Popen(command, env=env, stdin=subprocess.PIPE, stdout=out,
                                  stderr=subprocess.DEVNULL)
        try:
            def announced():
                out.seek(0)
                return announcement in out.read() or holder.poll() is not None
            wait_until(announced, what="the other program to hold the combination")
            if holder.poll() is not None:
                raise RuntimeError(f"{command[-1]} could not hold the combination")
            yield
        finally:
            holder.stdin.close()
            try:
                holder.wait(10)
            except subprocess.TimeoutExpired:
                end_process(holder)


class LinuxDriver(ProgramDriver):
    """The Qt program; its settings are an INI file under XDG_CONFIG_HOME."""

    timeout_message = "Error occurred: #110 Connection timed out"

    def __init__(self, desktop, workdir, program):
        super().__init__(desktop, workdir)
        self.program = program
        self.config_home = os.path.join(workdir, "config")
        self.settings_file = os.path.join(self.config_home, "Textmend", "Textmend.ini")
        self.autostart_entry = os.path.join(self.config_home, "autostart", "textmend.desktop")

    def store_settings(self, texts):
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        with open(self.settings_file, "w") as f:
            f.write("[Software]\n")
            for key, text in texts.items():
                f.write(f"Textmend\\{key}\\String={text}\n")

    def stored_settings(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        parser.read(self.settings_file)
        if not parser.has_section("Software"):
            return {}
        stored = {}
        for name, text in parser.items("Software"):
            parts = name.split("\\")
            if len(parts) == 3 and parts[0] == "Textmend" and parts[2] == "String":
                stored[parts[1]] = text
        return stored

    def launch(self, command=None):
        env = dict(self.desktop.env, XDG_CONFIG_HOME=self.config_home,
                   TEXTMEND_WIDGET_STATE=self.state_file)
        return subprocess.Popen(command or [self.program], env=env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(self.workdir, "stderr.txt"), "w"))

    def run_command(self, *arguments):
        env = dict(self.desktop.env, XDG_CONFIG_HOME=self.config_home)
        return subprocess.run([self.program, *arguments], env=env, capture_output=True,
                              text=True, timeout=30)

    def own_command(self):
        return [os.path.realpath(self.program)]

    def autostart_command(self):
        if not os.path.exists(self.autostart_entry):
            return None
        return exec_arguments(self.autostart_entry)

    def hang_clipboard(self):
        return start_owner(["/usr/bin/python3", X11_OWNER, "hang"], self.desktop.env)

    def main_window_id(self):
        windows = self.desktop.windows("^" + MAIN_CAPTION + "$")
        return windows[0] if windows else None

    def new_typing_target(self):
        return TkTypingTarget(self.desktop, self.workdir)

    def combination_held_elsewhere(self):
        grabber = os.path.join(os.path.dirname(os.path.abspath(__file__)), "key_grabber.py")
        return held_until_released([sys.executable, grabber, "ctrl+alt+v"], self.desktop.env,
                                   b"held")

    def tray_icon_count(self):
        return len(self.desktop.tray_icons_of("Textmend"))

    def tray_icon_box(self):
        if not self.widgets().get("tray", {}).get("shown"):
            return None
        # The icon is a small window of the program's own inside the notification area.
        boxes = self.desktop.tray_icons_of("Textmend")
        return boxes[0] if boxes else None
