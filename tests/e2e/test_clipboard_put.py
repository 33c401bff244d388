"""What the Linux program puts on the clipboard, as other programs see it: a
password manager's copy goes back with its mark and is not offered for saving."""

import subprocess

from desktop import end_process, wait_until
from driver import X11_OWNER

HINT = "x-kde-passwordManagerHint"


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
        owner = subprocess.Popen(["/usr/bin/python3", X11_OWNER, "serve"],
                                 env=program.desktop.env, stdin=subprocess.PIPE,
                                 stdout=subprocess.PIPE, text=True)
        try:
            owner.stdin.write("secret:Hunter Two\n")
            owner.stdin.flush()
            assert owner.stdout.readline() == "owning 1\n"
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
            owner.stdin.close()
            end_process(owner)

    def test_a_plain_copy_goes_back_without_the_mark(self, linux_program):
        program = linux_program
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        program.desktop.copy("plain words")
        program.click("cmdProcess")
        wait_until(lambda: program.desktop.clipboard() == "PLAIN WORDS", what="the result")
        assert mark(program) is None
