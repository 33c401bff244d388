"""Starting and ending the program: defaults, placement, the tray icon, and the
settings store read at start and written at exit."""

from desktop import SCREEN_HEIGHT, SCREEN_WIDTH, holds_for, wait_until
from driver import MAIN_CAPTION, SETTING_KEYS

# What a first start shows: Cleanse; No dbl spaces, No blank lines and Trim end checked.
DEFAULT_VALUES = {
    "optClean": 1, "optUpper": 0, "optLower": 0, "optProper": 0,
    "chkDblspc": 1, "chkNoblanks": 1, "chkTrimCR": 1, "chkRemCRs": 0,
    "chkRemCRdbl": 0, "chkSentence": 0, "chkRemGT": 0,
}
# The texts a save of those defaults writes: truth words for the case keys and
# "start", check states as numbers for the flags, and no hotkey.
DEFAULT_TEXTS = {
    "upper": "False", "lower": "False", "clean": "True", "proper": "False",
    "remcrs": "0", "dblspc": "1", "sentence": "0", "noblanks": "1", "trimcr": "1",
    "remcrdbl": "0", "start": "False", "remgt": "0", "hotkey": "", "invisible": "False",
    "plainpunct": "False", "joinwords": "False", "trimspaces": "False", "keeplists": "False",
}
POPUP_MARKS = {
    "mnuClean": "optClean", "mnuUpper": "optUpper", "mnuLower": "optLower",
    "mnuProper": "optProper", "mnuDblspc": "chkDblspc", "mnuNoblanks": "chkNoblanks",
    "mnuTrimCR": "chkTrimCR", "mnuRemCRs": "chkRemCRs", "mnuSentence": "chkSentence",
    "mnuRemGT": "chkRemGT",
}


class TestFirstStart:
    def test_controls_and_menus_hold_the_defaults(self, program):
        program.start()
        program.wait_window_state("normal")
        for name, expected in DEFAULT_VALUES.items():
            assert program.value(name) == expected, name
        assert program.control("chkRemCRdbl")["enabled"] is False
        assert program.control("txtClipboard")["text"] == ""
        for item, control in POPUP_MARKS.items():
            assert program.menu_item("mnu_1", item)["checked"] == (DEFAULT_VALUES[control] == 1)
        assert program.menu_item("mnu_1", "mnuRemCRdbl")["enabled"] is False
        for menu, item in [("Options", "mnuStartintaskbar"), ("Options", "mnuAutoprocess"),
                           ("mnu_1", "mnuPopStartintaskbar"), ("mnu_1", "mnuPopAutoprocess")]:
            assert program.menu_item(menu, item)["checked"] is False, item

    def test_window_is_centred_with_its_caption_and_the_tray_icon_is_there(self, program):
        program.start()
        program.wait_window_state("normal")
        main = program.main()
        assert main["caption"] == MAIN_CAPTION
        # The window manager may still be settling the frame; wait for the final place.
        frame = wait_until(lambda: program.main()["frame"] if abs(
            program.main()["frame"]["x"] * 2 + program.main()["frame"]["width"]
            - SCREEN_WIDTH) <= 2 else None, what="the window to be centred")
        assert abs(frame["y"] * 2 + frame["height"] - SCREEN_HEIGHT) <= 2
        assert program.widgets()["tray"]["tooltip"] == " Textmend "
        assert program.wait_tray_icon() is not None
        # The popup menu lives only at the tray icon, never in the menu bar.
        assert "title" not in program.main()["menus"]["mnu_1"]

    def test_closing_stores_every_setting_in_its_written_form(self, program):
        assert program.stored_settings() == {}
        program.start()
        program.wait_window_state("normal")
        program.close_by_close_box()
        assert program.stored_settings() == DEFAULT_TEXTS


class TestStoredSettings:
    def test_texts_stored_by_hand_are_read_and_written_back_in_written_forms(self, program):
        program.store_settings({"upper": "TRUE", "remcrs": "True", "start": "0",
                                "dblspc": "True", "remcrdbl": "1"})
        program.start()
        program.wait_window_state("normal")
        # "TRUE" chooses UPPERCASE; "True" means checked under "remcrs" only.
        assert program.value("optUpper") == 1
        assert program.value("optClean") == 0
        assert program.value("chkRemCRs") == 1
        assert program.value("chkDblspc") == 1
        assert program.value("chkRemCRdbl") == 1
        assert program.control("chkRemCRdbl")["enabled"] is True
        program.close_by_close_box()
        stored = program.stored_settings()
        assert sorted(stored) == sorted(SETTING_KEYS)
        assert stored["upper"] == "True"
        assert stored["clean"] == "False"
        assert stored["remcrs"] == "1"
        assert stored["dblspc"] == "1"
        assert stored["remcrdbl"] == "1"
        assert stored["start"] == "False"

    def test_start_in_taskbar_starts_hidden_behind_the_tray_icon(self, program):
        program.store_settings({"start": "True"})
        program.start()
        program.wait_tray_icon()
        assert holds_for(lambda: program.window_state() == "withdrawn", 2.0)
        assert program.menu_item("Options", "mnuStartintaskbar")["checked"] is True
        assert program.menu_item("mnu_1", "mnuPopStartintaskbar")["checked"] is True
        program.click_tray_icon()
        program.wait_window_state("normal")


class TestWithoutNotificationArea:
    def test_the_window_is_never_hidden(self, program):
        program.desktop.stop_tray()
        program.store_settings({"start": "True"})
        program.start()
        # Start in taskbar leaves an ordinary minimized window, never a hidden one.
        wait_until(lambda: program.window_state() in ("iconic", "normal"),
                   what="the window to be mapped")
        assert holds_for(lambda: program.window_state() != "withdrawn", 2.0)
        assert program.widgets()["tray"]["shown"] is False
        program.desktop.xdotool("windowactivate", "--sync", str(program.main_window_id()))
        program.wait_window_state("normal")
        program.minimize()
        program.wait_window_state("iconic")
        assert holds_for(lambda: program.window_state() == "iconic", 2.0)

    def test_the_icon_is_added_when_a_notification_area_appears(self, program):
        program.desktop.stop_tray()
        program.start()
        program.wait_window_state("normal")
        assert program.widgets()["tray"]["shown"] is False
        program.desktop.start_tray()
        program.wait_tray_icon(timeout=10)
        program.minimize()
        program.wait_window_state("withdrawn")

    def test_a_window_hidden_behind_a_vanished_icon_comes_back_minimized(self, program):
        program.start()
        program.wait_tray_icon()
        program.minimize()
        program.wait_window_state("withdrawn")
        program.desktop.stop_tray()
        program.wait_window_state("iconic", timeout=10)
        assert program.widgets()["tray"]["shown"] is False
        program.desktop.start_tray()
        program.wait_window_state("withdrawn", timeout=10)
        program.click_tray_icon()
        program.wait_window_state("normal")
