"""The tray icon: minimizing hides the window behind it, a click brings it back."""

from desktop import holds_for


class TestMinimizeToTray:
    def test_minimize_hides_and_a_click_on_the_icon_restores(self, program):
        program.start()
        program.wait_window_state("normal")
        program.minimize()
        program.wait_window_state("withdrawn")
        assert holds_for(lambda: program.window_state() == "withdrawn", 1.0)
        program.click_tray_icon()
        program.wait_window_state("normal")
        assert program.main()["visible"] is True

    def test_a_double_click_restores_like_a_click(self, program):
        program.start()
        program.minimize()
        program.wait_window_state("withdrawn")
        program.click_tray_icon(double=True)
        program.wait_window_state("normal")
        assert holds_for(lambda: program.window_state() == "normal", 1.0)

    def test_start_in_taskbar_toggles_both_items_and_is_stored(self, program):
        program.start()
        program.choose_tray_menu_item("mnuPopStartintaskbar")
        assert program.menu_item("Options", "mnuStartintaskbar")["checked"] is True
        assert program.menu_item("mnu_1", "mnuPopStartintaskbar")["checked"] is True
        # The window itself changes only at the next start.
        assert program.window_state() == "normal"
        program.close_by_close_box()
        assert program.stored_settings()["start"] == "True"
