"""Other programs as clipboard owners: one that never answers costs the window
nothing but a reported timeout, and every new copy is seen, also a second one
by the same window."""

import os
import subprocess

from desktop import end_process, holds_for, wait_until
from driver import serve_clipboard


def toggle(program, box):
    """Clicks a check box and waits at most a second for it to change."""
    before = program.value(box)
    program.click(box)
    wait_until(lambda: program.value(box) == 1 - before, timeout=1.0,
               what=f"{box} to change within a second")


def end(owner):
    """Closes the owner's standard input, which ends it."""
    owner.stdin.close()
    try:
        owner.wait(10)
    except subprocess.TimeoutExpired:
        owner.kill()
        owner.wait()


class TestOwnerThatNeverAnswers:
    def test_the_window_works_meanwhile_and_a_later_copy_is_processed(self, program):
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        program.choose_menu_item("Options", "mnuAutoprocess")
        owner = program.hang_clipboard()
        try:
            # The watcher's read of the new copy waits for the owner until the
            # deadline; clicks meanwhile take effect at once.
            clicks = 0
            while not program.text_box().startswith(program.timeout_message):
                toggle(program, "chkDblspc")
                clicks += 1
                assert clicks < 20, "the read never ran out of time"
            assert clicks >= 2

            # The Process command asks again (or, on Windows, knows better than to);
            # the window is just as usable while it waits.
            program.click("cmdProcess")
            toggle(program, "chkDblspc")
            wait_until(lambda: program.text_box().startswith(program.timeout_message),
                       what="the Process command's timeout")
        finally:
            end(owner)

        program.desktop.copy("after the hang")
        wait_until(lambda: program.desktop.clipboard() == "AFTER THE HANG", timeout=5,
                   what="the next copy to be processed")


class TestEveryCopyIsSeen:
    def test_two_copies_in_a_row_are_each_processed(self, program):
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        program.choose_menu_item("Options", "mnuAutoprocess")
        for text in ("first copy", "second copy"):
            program.desktop.copy(text)
            wait_until(lambda: program.desktop.clipboard() == text.upper(), timeout=5,
                       what=f"{text!r} to be processed")

    def test_a_window_that_takes_the_clipboard_again_is_seen_again(self, linux_program):
        program = linux_program
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        program.choose_menu_item("Options", "mnuAutoprocess")
        # A password manager's copy is left alone, so the window keeps the clipboard
        # and takes it again, with no other owner in between.
        owner = serve_clipboard(program.desktop.env, "secret:hunter two")
        try:
            assert holds_for(lambda: program.desktop.clipboard() == "hunter two", 2.5)
            owner.stdin.write("plain\n")
            owner.stdin.flush()
            assert owner.stdout.readline() == "owning 2\n"
            wait_until(lambda: program.desktop.clipboard() == "PLAIN", timeout=5,
                       what="the second copy of the same window to be processed")
        finally:
            end(owner)


class TestDisplayNamedOnTheCommandLine:
    def test_the_clipboard_read_is_the_one_of_the_display_the_program_runs_on(
            self, linux_program):
        program = linux_program
        # DISPLAY names a bare second server whose clipboard holds another text.
        read_end, write_end = os.pipe()
        other = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"],
                                 pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as number:
            other_display = ":" + number.readline().strip()
        try:
            subprocess.run(["xclip", "-selection", "clipboard", "-display", other_display],
                           input=b"from the other display", check=True)
            program.start(["env", "DISPLAY=" + other_display, program.program,
                           "-display", program.desktop.env["DISPLAY"]])
            program.desktop.copy("one\n\n  two  \n")
            program.click("cmdProcess")
            wait_until(lambda: program.desktop.clipboard() == "one\ntwo", timeout=5,
                       what="the copy on the program's display to be processed")
        finally:
            end_process(other)
