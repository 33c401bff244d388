"""The clean-and-paste hotkey, pressed while another program's window has the
keyboard focus: the clipboard's text is cleaned up and pasted where the user
types; Restore original brings the copied text back; a combination another
program holds already is said."""

from desktop import wait_until

COPIED = "one\n\n  two  \n"
CLEANED = "one\ntwo"  # the defaults drop blank lines and trim the end
IN_USE = "The hotkey Ctrl+Alt+V is in use by another program."


def wait_clipboard(program, expected):
    wait_until(lambda: program.desktop.clipboard() == expected,
               what=f"the clipboard to hold {expected!r}")


def paste_with_hotkey(program, keys):
    """Copies text that needs cleaning and presses keys in a typing target."""
    target = program.open_typing_target()
    program.desktop.copy(COPIED)
    program.desktop.key(keys, window=target.window)
    wait_clipboard(program, CLEANED)
    wait_until(lambda: target.text() == CLEANED, what="the paste in the typing target")
    assert program.text_box() == CLEANED


class TestCleanAndPaste:
    def test_the_stored_hotkey_pastes_the_cleaned_text_and_restore_brings_it_back(
            self, program):
        program.store_settings({"hotkey": "Ctrl+Alt+V"})
        program.start()
        paste_with_hotkey(program, "ctrl+alt+v")
        program.choose_tray_menu_item("mnuPopRestoreOriginal")
        wait_clipboard(program, COPIED)
        wait_until(lambda: program.text_box() == COPIED, what="the original in the text box")

    def test_a_combination_chosen_in_the_dialog_is_held_and_stored(self, program):
        program.start()
        program.wait_window_state("normal")
        program.choose_menu_item("Options", "mnuHotkey")
        assert program.hotkey_dialog()["hkyHotkey"]["text"] == "Ctrl+Alt+V", "the proposal"
        dialog = program.desktop.windows("^Clean and paste hotkey$")[0]
        program.desktop.key("ctrl+alt+j", window=dialog)
        wait_until(lambda: program.hotkey_dialog()["hkyHotkey"]["text"] == "Ctrl+Alt+J",
                   what="the key box to show the combination pressed")
        program.desktop.key("Return", window=dialog)
        wait_until(lambda: "frmHotkey" not in program.widgets(), what="the dialog to close")

        paste_with_hotkey(program, "ctrl+alt+j")
        program.close_by_close_box()
        assert program.stored_settings()["hotkey"] == "Ctrl+Alt+J"


class TestCombinationInUse:
    def test_a_stored_combination_another_program_holds_is_said_in_the_text_box(self, program):
        program.store_settings({"hotkey": "Ctrl+Alt+V"})
        with program.combination_held_elsewhere():
            program.start()
            wait_until(lambda: program.text_box() == IN_USE, what="the message")
        program.close_by_close_box()
        assert program.stored_settings()["hotkey"] == "Ctrl+Alt+V", "the next start tries again"

    def test_the_dialog_says_so_of_a_combination_another_program_holds(self, program):
        with program.combination_held_elsewhere():
            program.start()
            program.wait_window_state("normal")
            program.choose_menu_item("Options", "mnuHotkey")
            wait_until(lambda: program.hotkey_dialog()["lblStatus"]["text"] == IN_USE,
                       what="the dialog's message")
            program.desktop.key("Escape",
                                window=program.desktop.windows("^Clean and paste hotkey$")[0])
            wait_until(lambda: "frmHotkey" not in program.widgets(), what="the dialog to close")
