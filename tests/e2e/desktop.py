"""A private X11 desktop for the end-to-end tests: an Xvfb screen, a window
manager (openbox), a notification area (trayer), and the user's tools on it:
the clipboard through xclip, the mouse and keyboard through xdotool."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


class Timeout(AssertionError):
    pass


def widget_state(path):
    """The widget state the program writes for the tests; empty while it has none."""
    try:
        with open(path) as f:
            return json.load(f)
    except (OSError, ValueError):
        return {}


def wait_until(condition, timeout=10.0, what="the condition", interval=0.05):
    """Polls condition() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def holds_for(condition, seconds, interval=0.1):
    """True when condition() stays true for the whole time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(interval)
    return bool(condition())


def end_process(process):
    """Asks a process to end and forces it when it does not go."""
    if process is not None and process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Desktop:
    def __init__(self):
        self.scratch = tempfile.mkdtemp(prefix="textmend-e2e-")
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME"):
            self.env.pop(name, None)
        self.env["XDG_RUNTIME_DIR"] = self.scratch
        self._xvfb = None
        self._window_manager = None
        self._tray = None
        self._clipboard_owner = None

    # -- the desktop's own programs

    def start(self):
        read_end, write_end = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as number:
            display = number.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        try:
            self._window_manager = self._spawn(["openbox", "--sm-disable"])
            wait_until(lambda: "window id" in self.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False),
                what="the window manager")
            self.start_tray()
        except BaseException:
            self.stop()
            raise
        return self

    def stop(self):
        end_process(self._clipboard_owner)
        self.stop_tray()
        end_process(self._window_manager)
        end_process(self._xvfb)
        shutil.rmtree(self.scratch, ignore_errors=True)

    def start_tray(self):
        # trayer can die when an icon's program is killed; a dead one is replaced.
        if self._tray is not None and self._tray.poll() is not None:
            self._tray = None
        if self._tray is None:
            self._tray = self._spawn(
                ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                 "--heighttype", "pixel", "--height", "32", "--SetDockType", "true"])
            wait_until(self.tray_available, what="the notification area")

    def stop_tray(self):
        end_process(self._tray)
        self._tray = None
        wait_until(lambda: not self.tray_available(), what="the notification area to go")

    def tray_available(self):
        owner = self.run(["xdotool", "search", "--name", "^panel$"], check=False)
        return bool(owner.strip())

    def _spawn(self, command):
        return subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def run(self, command, check=True, input_text=None):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True,
                              input=input_text, timeout=20)
        if check and done.returncode != 0:
            raise RuntimeError(f"{command[0]} failed: {done.stderr.strip()}")
        return done.stdout

    # -- the clipboard, as another program uses it

    def copy(self, text):
        """Puts text on the CLIPBOARD selection as a text editor would."""
        self._set_clipboard(["-t", "UTF8_STRING"], text.encode())
        # A program that has already replaced the copy (Autoprocess) has taken the
        # selection from xclip, which then ends: that copy was seen too.
        wait_until(lambda: self._clipboard_owner.poll() is not None or self.clipboard() == text,
                   what="the copied text")

    def copy_picture(self):
        """Puts a picture, and no text, on the clipboard."""
        picture = subprocess.run(["convert", "-size", "16x16", "xc:red", "png:-"],
                                 capture_output=True, check=True, timeout=20).stdout
        self._set_clipboard(["-t", "image/png"], picture)
        wait_until(lambda: "image/png" in self.clipboard_targets(), what="the copied picture")

    def _set_clipboard(self, target, data):
        end_process(self._clipboard_owner)
        # xclip stays behind and serves the selection until another program takes it.
        self._clipboard_owner = subprocess.Popen(
            ["xclip", "-selection", "clipboard", "-quiet", *target, "-i"], env=self.env,
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._clipboard_owner.stdin.write(data)
        self._clipboard_owner.stdin.close()

    def clipboard(self):
        """The clipboard's text, or None when it holds none."""
        if "UTF8_STRING" not in self.clipboard_targets():
            return None
        done = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                              env=self.env, capture_output=True, timeout=20)
        return done.stdout.decode() if done.returncode == 0 else None

    def clipboard_targets(self):
        done = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "TARGETS"],
                              env=self.env, capture_output=True, text=True, timeout=20)
        return done.stdout.split() if done.returncode == 0 else []

    # -- windows, mouse and keyboard

    def xdotool(self, *arguments, check=True):
        return self.run(["xdotool", *arguments], check=check)

    def windows(self, name_pattern):
        return [int(w) for w in self.xdotool("search", "--name", name_pattern,
                                             check=False).split()]

    def tray_icons_of(self, class_name):
        """Boxes of a program's icons embedded in the notification area's panel."""
        window_line = re.compile(r'^(\s*)0x[0-9a-f]+ .*\("([^"]*)" "([^"]*)"\)\s+(\d+)x(\d+)'
                                 r'\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)')
        boxes, panel_indent = [], None
        for line in self.run(["xwininfo", "-root", "-tree"], check=False).splitlines():
            found = window_line.match(line)
            if not found:
                continue
            indent = len(found.group(1))
            if panel_indent is not None and indent <= panel_indent:
                panel_indent = None
            if found.group(2) == "panel" and found.group(3) == "trayer":
                panel_indent = indent
            elif panel_indent is not None and found.group(3) == class_name:
                width, height, x, y = (int(v) for v in found.groups()[3:])
                boxes.append({"x": x, "y": y, "width": width, "height": height})
        return boxes

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen, without its frame."""
        out = self.run(["xwininfo", "-id", str(window)])
        fields = {}
        for line in out.splitlines():
            name, _, value = line.strip().partition(":")
            fields[name] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]))

    def frame_box(self, window):
        """The window's box with the frame the window manager drew around it."""
        x, y, width, height = self.geometry(window)
        out = self.run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"], check=False)
        extents = [int(v) for v in re.findall(r"\d+", out.partition("=")[2])]
        left, right, top, bottom = extents if len(extents) == 4 else (0, 0, 0, 0)
        return {"x": x - left, "y": y - top, "width": width + left + right,
                "height": height + top + bottom}

    def wm_state(self, window):
        """'normal', 'iconic', or 'withdrawn' (hidden, or never shown)."""
        out = self.run(["xprop", "-id", str(window), "WM_STATE"], check=False)
        if "Normal" in out:
            return "normal"
        if "Iconic" in out:
            return "iconic"
        return "withdrawn"

    def click_at(self, x, y, button=1, repeat=1):
        # The pointer comes from elsewhere, as a hand's would: a window that only
        # appeared under a resting pointer, or that a menu covered, may take a click
        # without the pointer having entered it as no click at all.
        # (--sync would wait for a move that never comes when the pointer is there already.)
        self.xdotool("mousemove", "0", "0", "sleep", "0.05", "mousemove", str(x), str(y),
                     "sleep", "0.05", "click", "--repeat", str(repeat), "--delay", "80",
                     str(button))

    def click_box(self, box, button=1):
        self.click_at(box["x"] + box["width"] // 2, box["y"] + box["height"] // 2, button)

    def key(self, *keys, window=None):
        if window is not None:
            self.xdotool("windowactivate", "--sync", str(window), check=False)
        self.xdotool("key", "--clearmodifiers", *keys)
