"""The Debian package's programs, run from the files dpkg-deb extracted (into a
folder whose path has a space, as a user's might)."""

import os
import struct
import subprocess

from driver import MAIN_CAPTION, LinuxDriver

class AutostartDriver(LinuxDriver):
    """The program whose autostart entry the build's tool writes and removes."""

    def __init__(self, desktop, workdir, program, tool):
        super().__init__(desktop, workdir, program)
        self.tool = tool

    def autostart(self, command):
        env = dict(self.desktop.env, XDG_CONFIG_HOME=self.config_home)
        return subprocess.run([self.tool, command, self.program], env=env, check=True,
                              capture_output=True, text=True).stdout.strip()


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
    assert program.autostart("enable") == program.autostart_entry
    assert program.autostart("status") == "enabled"
    subprocess.run(["desktop-file-validate", program.autostart_entry], check=True)
    assert program.autostart_command() == [program.program]

    program.start(program.autostart_command())
    program.wait_window_state("normal")
    program.close_by_close_box()

    program.autostart("disable")
    assert program.autostart_command() is None
    assert program.autostart("status") == "disabled"
