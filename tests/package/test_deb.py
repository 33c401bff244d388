"""The Debian package's programs, run from the files dpkg-deb extracted (into a
folder whose path has a space, as a user's might)."""

import os
import re
import struct
import subprocess

from driver import MAIN_CAPTION, LinuxDriver

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


class AutostartDriver(LinuxDriver):
    """The program started as the session starts it: by its autostart entry."""

    def __init__(self, desktop, workdir, program, tool):
        super().__init__(desktop, workdir, program)
        self.tool = tool
        self.entry = os.path.join(self.config_home, "autostart", "textmend.desktop")

    def autostart(self, command):
        env = dict(self.desktop.env, XDG_CONFIG_HOME=self.config_home)
        return subprocess.run([self.tool, command, self.program], env=env, check=True,
                              capture_output=True, text=True).stdout.strip()

    def launch(self):
        env = dict(self.desktop.env, XDG_CONFIG_HOME=self.config_home,
                   TEXTMEND_WIDGET_STATE=self.state_file)
        return subprocess.Popen(exec_arguments(self.entry), env=env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(self.workdir, "stderr.txt"), "w"))


def test_each_hicolor_icon_has_the_size_of_its_folder(option):
    for size in (16, 24, 32, 48, 64, 128, 256):
        path = os.path.join(option("--deb-root"), "usr", "share", "icons", "hicolor",
                            f"{size}x{size}", "apps", "textmend.png")
        with open(path, "rb") as f:
            header = f.read(24)
        assert header[12:16] == b"IHDR", path
        assert struct.unpack(">II", header[16:24]) == (size, size), path


def test_the_extracted_filter_says_the_version(option):
    program = os.path.join(option("--deb-root"), "usr", "bin", "textmend-filter")
    done = subprocess.run([program, "--version"], capture_output=True, text=True, check=True)
    assert done.stdout.strip() == option("--version-expected")


def test_the_extracted_program_opens_its_window(linux_desktop, workdir, option):
    program = LinuxDriver(linux_desktop, workdir,
                          os.path.join(option("--deb-root"), "usr", "bin", "textmend"))
    program.start()
    program.wait_window_state("normal")
    assert program.main()["caption"] == MAIN_CAPTION
    program.close_by_close_box()


def test_the_autostart_entry_starts_the_program_until_it_is_removed(linux_desktop, workdir,
                                                                    option):
    program = AutostartDriver(linux_desktop, workdir,
                              os.path.join(option("--deb-root"), "usr", "bin", "textmend"),
                              option("--autostart-tool"))
    assert " " in program.program
    assert program.autostart("status") == "disabled"
    assert program.autostart("enable") == program.entry
    assert program.autostart("status") == "enabled"
    subprocess.run(["desktop-file-validate", program.entry], check=True)
    assert exec_arguments(program.entry) == [program.program]

    program.start()
    program.wait_window_state("normal")
    program.close_by_close_box()

    program.autostart("disable")
    assert not os.path.exists(program.entry)
    assert program.autostart("status") == "disabled"
