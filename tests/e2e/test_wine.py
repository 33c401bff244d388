"""What only the Windows program under Wine shows: the registry layout it
writes, Unicode text and a password manager's marks through the Windows
clipboard, the tooltip the notification area holds, and the icon coming back
when the notification area is recreated."""

import pytest

from desktop import wait_until
from driver import SETTING_KEYS
from wine_driver import WineDriver

UNICODE_TEXT = "Ünïcödé ✓ 中文"


@pytest.fixture
def wine_program(program):
    if not isinstance(program, WineDriver):
        pytest.skip("the Windows program's own cases")
    return program


class TestRegistry:
    def test_the_first_exit_writes_a_key_of_text_for_every_setting(self, wine_program):
        assert wine_program.stored_types() == {}
        wine_program.start()
        wine_program.wait_window_state("normal")
        wine_program.close_by_close_box()
        assert wine_program.stored_types() == {key: "REG_SZ" for key in SETTING_KEYS}


class TestUnicodeClipboard:
    def test_text_beyond_the_code_page_survives_a_process_unchanged(self, wine_program):
        wine_program.start()
        assert wine_program.value("optClean") == 1
        # The trailing blank lines, which the default No blank lines and Trim end
        # drop, show that the text went through the program and back.
        wine_program.desktop.copy(UNICODE_TEXT + "\n\n")
        wine_program.click("cmdProcess")
        wait_until(lambda: wine_program.desktop.clipboard() == UNICODE_TEXT,
                   what="the processed text on the clipboard")
        assert wine_program.text_box() == UNICODE_TEXT


class TestSecretClipboard:
    @pytest.mark.parametrize("copy, marks", [
        ("copy-secret", ["ExcludeClipboardContentFromMonitorProcessing",
                         "CanIncludeInClipboardHistory=0", "CanUploadToCloudClipboard=0"]),
        ("copy", []),
    ])
    def test_process_puts_the_text_back_with_the_marks_of_the_copy(self, wine_program, copy,
                                                                  marks):
        wine_program.start()
        wine_program.click_and_wait("optUpper", "optUpper", 1)
        wine_program.wine.run(wine_program.helper, copy, "pass word")
        assert wine_program.windows_clipboard() == "pass word"
        wine_program.click("cmdProcess")
        wait_until(lambda: wine_program.windows_clipboard() == "PASS WORD",
                   what="the processed text on the clipboard")
        assert wine_program.helper_run("clipboard-marks").splitlines() == marks


class TestNotificationArea:
    def test_the_notification_area_holds_the_tooltip_with_its_blanks(self, wine_program):
        wine_program.start()
        wine_program.wait_tray_icon()
        tooltips = wait_until(wine_program.notification_area_tooltips,
                              what="the notification area's tooltips")
        assert tooltips == [" Textmend "]

    def test_a_recreated_notification_area_gets_the_icon_back(self, wine_program):
        wine_program.start()
        wine_program.wait_tray_icon()
        wine_program.helper_run("remove-icon")
        wait_until(lambda: not wine_program.docked_icons(), what="the icon to be gone")
        wine_program.helper_run("taskbar-created")
        wine_program.wait_tray_icon()
        assert wait_until(wine_program.notification_area_tooltips,
                          what="the tooltip") == [" Textmend "]
        # Hiding is safe again: the icon brings the window back.
        wine_program.minimize()
        wine_program.wait_window_state("withdrawn")
        wine_program.click_tray_icon()
        wine_program.wait_window_state("normal")


class TestWinesOwnNotificationArea:
    def test_without_a_tray_host_the_icon_lives_in_wines_own_and_restores(self, wine_program):
        wine_program.desktop.stop_tray()
        wine_program.start()
        wine_program.wait_window_state("normal")
        assert wine_program.widgets()["tray"]["shown"] is True
        own_tray = wait_until(lambda: wine_program.desktop.windows("^Wine System Tray$"),
                              what="Wine's own notification area")[0]
        x, y, _, height = wine_program.desktop.geometry(own_tray)
        wine_program.minimize()
        wine_program.wait_window_state("withdrawn")
        # The one icon sits at the start of Wine's tray window.
        wine_program.desktop.click_at(x + height // 2, y + height // 2)
        wine_program.wait_window_state("normal")
