"""The Linux program as a native client of a private headless Sway (with-sway.sh):
no X display at all, the clipboard through data-control, driven through its
widget probe (TEXTMEND_WIDGET_STATE) and a virtual pointer of the tests' own.
Weston beside it offers no data-control, where the program takes X11 instead."""

import glob
import json
import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import end_process, holds_for, wait_until, widget_state  # noqa: E402

PROGRAM = os.environ.get("TEXTMEND_PROGRAM", "")
POINTER = os.environ.get("TEXTMEND_POINTER", "")
MARKED_COPY = os.environ.get("TEXTMEND_MARKED_COPY", "")
KEY_TARGET = os.environ.get("TEXTMEND_KEY_TARGET", "")
# The watcher looks at the clipboard once a second.
WATCHER_PERIOD = 1.0
COPIED = "one\n\n  two  \n"
CLEANED = "one\ntwo"  # the defaults drop blank lines and trim the end

pytestmark = pytest.mark.skipif(
    "WAYLAND_DISPLAY" not in os.environ,
    reason=os.environ.get("TEXTMEND_SWAY_FAILED", "no Wayland session (run through with-sway.sh)"))


def sway(*arguments):
    socket = glob.glob(os.path.join(os.environ["XDG_RUNTIME_DIR"], "sway-ipc.*.sock"))[0]
    done = subprocess.run(["swaymsg", "-s", socket, "-r", *arguments], capture_output=True,
                          text=True, timeout=10, check=True)
    return json.loads(done.stdout)


def windows(node=None):
    """Every window of the session's tree."""
    node = node or sway("-t", "get_tree")
    found = [node] if node.get("pid") else []
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found += windows(child)
    return found


def wl_paste():
    done = subprocess.run(["wl-paste", "-n"], capture_output=True, timeout=10)
    return done.stdout.decode() if done.returncode == 0 else None


def wl_copy(text):
    subprocess.run(["wl-copy", text], check=True, timeout=10)
    wait_until(lambda: wl_paste() is not None, what="the copy")


def run_command(config_home, *arguments):
    """Another start of the program, as a desktop shortcut runs it."""
    env = dict(os.environ, XDG_CONFIG_HOME=config_home)
    return subprocess.run([PROGRAM, *arguments], env=env, capture_output=True, text=True,
                          timeout=30)


def programs_running():
    """The processes running the program, whoever started them."""
    found = []
    for exe in glob.glob("/proc/[0-9]*/exe"):
        try:
            if os.path.samefile(exe, PROGRAM):
                found.append(exe)
        except OSError:
            pass
    return len(found)


class KeyTarget:
    """The tests' window that reports each key it gets, read as it comes."""

    def __init__(self):
        self.process = subprocess.Popen([KEY_TARGET], stdout=subprocess.PIPE, text=True)
        self.lines = []
        threading.Thread(target=lambda: self.lines.extend(
            line.strip() for line in self.process.stdout), daemon=True).start()
        wait_until(lambda: "mapped" in self.lines, what="the key target")

    def end(self):
        self.process.terminate()
        self.process.wait(5)


def version_lines(env=None):
    done = subprocess.run([PROGRAM, "--version"], capture_output=True, text=True, timeout=10,
                          env=env, check=True)
    return done.stdout.splitlines()


class Program:
    def __init__(self, workdir, session_bus=True):
        self.state_file = os.path.join(workdir, "widgets.json")
        self.config_home = os.path.join(workdir, "config")
        self.stderr = open(os.path.join(workdir, "stderr.txt"), "w+")
        env = dict(os.environ, TEXTMEND_WIDGET_STATE=self.state_file,
                   XDG_CONFIG_HOME=self.config_home)
        if not session_bus:
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.stderr)
        self.pointer = subprocess.Popen([POINTER], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True)
        wait_until(lambda: self.main().get("visible") and self.window(), what="the window")

    def widgets(self):
        return widget_state(self.state_file)

    def main(self):
        return self.widgets().get("frmMain", {})

    def window(self):
        found = [w for w in windows() if w.get("pid") == self.process.pid]
        return found[0] if found else None

    def click(self, box):
        """Clicks the middle of a box the probe gives in the window's own pixels:
        Wayland tells no client where its window is, the compositor does."""
        window = self.window()
        layout = sway("-t", "get_outputs")[0]["rect"]
        x = window["rect"]["x"] + window["window_rect"]["x"] + box["x"] + box["width"] // 2
        y = window["rect"]["y"] + window["window_rect"]["y"] + box["y"] + box["height"] // 2
        self.pointer.stdin.write(f"click {x} {y} {layout['width']} {layout['height']}\n")
        self.pointer.stdin.flush()
        assert self.pointer.stdout.readline().strip() == "done"

    def click_and_wait(self, name, expected):
        self.click(self.main()["controls"][name])
        wait_until(lambda: self.main()["controls"][name]["value"] == expected,
                   what=f"{name} to be {expected}")

    def choose_menu_item(self, menu, item):
        self.click(self.main()["menus"][menu]["title"])
        box = wait_until(lambda: self.main()["menus"][menu]["items"][item].get("box"),
                         what=f"{item} in the open menu")
        self.click(box)
        wait_until(lambda: not self.main()["menus"][menu]["open"], what="the menu to close")

    def errors(self):
        self.stderr.seek(0)
        return [line for line in self.stderr if "dropped" in line]

    def end(self):
        end_process(self.pointer)
        end_process(self.process)


@pytest.fixture
def start_program():
    """Starts the program (with or without the session bus, where the tray is)."""
    started = []
    with tempfile.TemporaryDirectory(prefix="textmend-wayland-") as workdir:
        yield lambda session_bus=True: started.append(Program(workdir, session_bus)) or started[0]
        for program in started:
            program.end()
            assert program.errors() == []


@pytest.fixture
def program(start_program):
    return start_program()


@pytest.fixture
def autoprocess_upper(program):
    """The program with UPPERCASE chosen and Autoprocess on."""
    program.click_and_wait("optUpper", 1)
    program.choose_menu_item("Options", "mnuAutoprocess")
    assert program.main()["menus"]["Options"]["items"]["mnuAutoprocess"]["checked"] is True
    return program


def test_version_names_the_platform_chosen():
    lines = version_lines()
    assert lines[0].startswith("textmend ")
    assert lines[1].startswith("platform: wayland (")
    assert "data-control" in lines[1]


def test_without_data_control_the_program_takes_x11():
    if "TEXTMEND_WESTON_DISPLAY" not in os.environ:
        pytest.skip("weston did not start")
    env = dict(os.environ, WAYLAND_DISPLAY=os.environ["TEXTMEND_WESTON_DISPLAY"])
    assert version_lines(env)[1] == "platform: x11"
    # With no X display to reach (no Xwayland here), the X11 platform cannot start.
    done = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=20)
    assert done.returncode != 0
    assert "xcb" in done.stderr


def test_starts_as_a_native_client_reachable_without_a_tray(start_program):
    assert "DISPLAY" not in os.environ
    # Without the session bus no StatusNotifierItem host is reachable.
    program = start_program(session_bus=False)
    assert program.window()["shell"] == "xdg_shell"
    assert program.widgets()["tray"]["shown"] is False
    assert program.main()["visible"] is True
    # The compositor placed the window; the program claims no position of its own.
    assert (program.main()["frame"]["x"], program.main()["frame"]["y"]) == (0, 0)


def test_the_tray_icon_is_a_status_notifier_item_in_the_bar(program):
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        pytest.skip("no session bus (dbus-daemon missing)")
    wait_until(lambda: program.widgets()["tray"]["shown"], what="the tray icon")
    items = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
         "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
         "string:org.kde.StatusNotifierWatcher", "string:RegisteredStatusNotifierItems"],
        capture_output=True, text=True, timeout=10, check=True).stdout
    assert "StatusNotifierItem" in items


def test_autoprocess_cleans_a_copy_made_while_another_window_has_the_focus(autoprocess_upper):
    target = subprocess.Popen([KEY_TARGET], stdout=subprocess.PIPE, text=True)
    try:
        # It says "focus" once the compositor hands it the keyboard.
        assert "focus" in iter(lambda: target.stdout.readline().strip(), "")
        wl_copy("one\ntwo")
        wait_until(lambda: wl_paste() == "ONE\nTWO", timeout=5, what="the copy to be processed")
        assert autoprocess_upper.main()["controls"]["txtClipboard"]["text"] == "ONE\nTWO"
    finally:
        target.terminate()
        target.wait(5)


def test_a_password_managers_copy_is_left_alone(autoprocess_upper):
    copy = subprocess.Popen([MARKED_COPY, "hunter two"], stdout=subprocess.PIPE, text=True)
    try:
        assert copy.stdout.readline().strip() == "owning"
        assert holds_for(lambda: wl_paste() == "hunter two", WATCHER_PERIOD * 2.5)
    finally:
        copy.terminate()
        copy.wait(5)
    # The same text unmarked is processed: the watcher was looking all along.
    wl_copy("hunter two")
    wait_until(lambda: wl_paste() == "HUNTER TWO", timeout=5, what="the copy to be processed")


def test_exits_cleanly_on_sigterm_with_a_read_pending(autoprocess_upper):
    owner = subprocess.Popen(["wl-copy", "--foreground", "never served"])
    try:
        wait_until(lambda: b"text/plain" in subprocess.run(
            ["wl-paste", "-l"], capture_output=True, timeout=10).stdout, what="the copy")
        owner.send_signal(signal.SIGSTOP)
        # The watcher has started its read by now; it waits for the deadline.
        time.sleep(WATCHER_PERIOD * 1.5)
        autoprocess_upper.process.terminate()
        assert autoprocess_upper.process.wait(5) == 0
    finally:
        owner.kill()
        owner.wait(5)


def test_clean_and_paste_pastes_the_cleaned_text_into_the_focused_window(program):
    program.click_and_wait("optUpper", 1)
    target = KeyTarget()
    try:
        wl_copy("one two")
        done = run_command(program.config_home, "--clean-and-paste")
        assert (done.returncode, done.stderr) == (0, "")
        wait_until(lambda: wl_paste() == "ONE TWO", timeout=5, what="the cleaned text")
        wait_until(lambda: "ctrl+v" in target.lines, what="Ctrl+V in the key target")
    finally:
        target.end()


def test_process_show_and_a_second_start_go_to_the_running_program(program):
    wl_copy(COPIED)
    done = run_command(program.config_home, "--process")
    assert (done.returncode, done.stderr) == (0, "")
    wait_until(lambda: wl_paste() == CLEANED, timeout=5, what="the processed text")
    assert run_command(program.config_home, "--show").returncode == 0
    assert run_command(program.config_home).returncode == 0
    assert programs_running() == 1
    assert len([w for w in windows() if w.get("app_id") == "textmend"]) == 1


def test_process_without_the_program_serves_the_text_until_the_next_copy(tmp_path):
    wl_copy(COPIED)
    # Qt, run once as root here, warns that nobody owns the runtime folder of the session.
    assert run_command(str(tmp_path), "--process").returncode == 0
    wait_until(lambda: wl_paste() == CLEANED, timeout=5, what="the processed text")
    assert programs_running() == 1
    wl_copy("later")
    wait_until(lambda: programs_running() == 0, what="the run once to end")
