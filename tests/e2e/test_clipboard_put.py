"""What the Linux program puts on the clipboard, as other programs see it: a
password manager's copy goes back with its mark and is not offered for saving,
and the copier hands the clipboard straight to the program, never to nobody."""

import os
import subprocess
import sys

from desktop import end_process, wait_until
from driver import serve_clipboard

HINT = "x-kde-passwordManagerHint"
OWNERS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "selection_owners.py")


def mark(program):
    """The password managers' mark the clipboard offers, or None."""
    if HINT not in program.desktop.clipboard_targets():
        return None
    return program.desktop.run(["xclip", "-selection", "clipboard", "-o", "-t", HINT])


class TestSecretCopy:
    def test_process_and_restore_original_keep_the_mark(self, linux_program):
        program = linux_program
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        owner = serve_clipboard(program.desktop.env, "secret:Hunter Two")
        try:
            program.click("cmdProcess")
            wait_until(lambda: program.desktop.clipboard() == "HUNTER TWO",
                       what="the processed password")
            targets = program.desktop.clipboard_targets()
            assert mark(program) == "secret"
            # Clipboard managers save the texts offered with SAVE_TARGETS.
            assert "SAVE_TARGETS" not in targets

            program.choose_tray_menu_item("mnuPopRestoreOriginal")
            wait_until(lambda: program.desktop.clipboard() == "Hunter Two",
                       what="the original password")
            assert mark(program) == "secret"
            assert "SAVE_TARGETS" not in program.desktop.clipboard_targets()
        finally:
            end_process(owner)

    def test_a_plain_copy_goes_back_without_the_mark(self, linux_program):
        program = linux_program
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        program.desktop.copy("plain words")
        program.click("cmdProcess")
        wait_until(lambda: program.desktop.clipboard() == "PLAIN WORDS", what="the result")
        assert mark(program) is None


class TestLargeCopy:
    def test_the_clipboard_passes_from_the_copier_to_the_program_in_one_step(
            self, linux_program):
        program = linux_program
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        line = "a line of a large copy, to be put in capitals\n"
        # Large enough to take the program a while, small enough for its 2 s read
        # deadline on a busy machine: the gap used to be there at any size.
        copied = line * (1_000_000 // len(line))
        program.desktop.copy(copied)
        with open(os.path.join(program.workdir, "owners.txt"), "w+") as owners:
            watcher = subprocess.Popen([sys.executable, OWNERS], env=program.desktop.env,
                                       stdout=owners, stderr=subprocess.DEVNULL)
            try:
                def changes():
                    owners.seek(0)
                    return owners.read().split()
                wait_until(lambda: changes()[:1] == ["watching"], what="the owner watcher")
                program.click("cmdProcess")
                wait_until(lambda: len(changes()) > 1 and changes()[-1] != "0", timeout=30,
                           what="a new owner of the clipboard")
                wait_until(lambda: program.text_box() == copied.upper().rstrip("\n"),
                           timeout=30, what="the result in the text box")
                # No owner of none between the copier and the program.
                assert changes()[1:] == [changes()[1]] and changes()[1] != "0", changes()
            finally:
                end_process(watcher)
        assert program.desktop.clipboard() == copied.upper().rstrip("\n")
