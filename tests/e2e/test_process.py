"""The Process command on the clipboard's text, from the window and from the
tray icon's popup menu."""

from desktop import holds_for, wait_until

NO_TEXT_MESSAGE = "There is no text on the Clipboard."


def wait_clipboard(program, expected):
    wait_until(lambda: program.desktop.clipboard() == expected,
               what=f"the clipboard to hold {expected!r}")


class TestProcessButton:
    def test_defaults_drop_blank_lines_and_trim_the_end(self, program):
        program.start()
        # No blank lines keeps "one" and "two" (trimmed, each with CR LF); Trim end
        # then cuts the last CR LF; the clipboard gets LF line breaks back.
        program.desktop.copy("one\n\n  two  \n")
        program.click("cmdProcess")
        wait_clipboard(program, "one\ntwo")
        wait_until(lambda: program.text_box() == "one\ntwo", what="the text box")

    def test_uppercase_converts_the_copied_text(self, program):
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        assert program.value("optClean") == 0
        program.desktop.copy("Hello, wörld")
        program.click("cmdProcess")
        wait_clipboard(program, "HELLO, WÖRLD")
        wait_until(lambda: program.text_box() == "HELLO, WÖRLD", what="the text box")

    def test_no_text_on_the_clipboard_says_so_and_changes_nothing(self, program):
        program.start()
        program.desktop.copy_picture()
        program.click("cmdProcess")
        box = wait_until(program.message_box, what="the message box")
        assert box["text"] == NO_TEXT_MESSAGE
        assert box["title"] == "Textmend"
        program.desktop.click_box(box["ok"])
        wait_until(lambda: program.message_box() is None, what="the message box to close")
        assert "image/png" in program.desktop.clipboard_targets()
        assert program.desktop.clipboard() is None
        assert program.text_box() == ""


class TestProcessFromTrayMenu:
    def test_popup_choices_change_options_and_process_while_hidden(self, program):
        program.start()
        program.minimize()
        program.wait_window_state("withdrawn")
        program.choose_tray_menu_item("mnuLower")
        wait_until(lambda: program.value("optLower") == 1, what="lowercase to be chosen")
        assert program.value("optClean") == 0
        program.choose_tray_menu_item("mnuRemCRs")
        wait_until(lambda: program.value("chkRemCRs") == 1, what="Remove returns to be set")
        assert program.control("chkRemCRdbl")["enabled"] is True
        program.open_tray_menu()
        marked = {name for name, item in program.main()["menus"]["mnu_1"]["items"].items()
                  if item["checked"]}
        assert marked == {"mnuLower", "mnuDblspc", "mnuNoblanks", "mnuTrimCR", "mnuRemCRs"}
        program.desktop.key("Escape")
        program.wait_menu_closed()

        program.desktop.copy("MiXeD CaSe")
        program.choose_tray_menu_item("mnuPopProcess")
        wait_clipboard(program, "mixed case")
        assert program.text_box() == "mixed case"
        assert holds_for(lambda: program.window_state() == "withdrawn", 1.0)
