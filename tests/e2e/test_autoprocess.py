"""Autoprocess: each newly copied text is processed once, by itself."""

import time

from desktop import holds_for, wait_until

# The watcher looks at the clipboard once a second; a copy counts as seen once
# one look has passed.
WATCHER_PERIOD = 1.0


class TestAutoprocess:
    def test_a_new_copy_is_processed_exactly_once(self, program):
        program.desktop.copy("before")
        program.start()
        # Remove >'s ends every line with a line break; with No blank lines and
        # Trim end off, processing the result again would add one more each time.
        program.click_and_wait("chkTrimCR", "chkTrimCR", 0)
        program.click_and_wait("chkNoblanks", "chkNoblanks", 0)
        program.click_and_wait("chkRemGT", "chkRemGT", 1)
        time.sleep(WATCHER_PERIOD * 1.5)
        program.choose_menu_item("Options", "mnuAutoprocess")
        assert program.menu_item("Options", "mnuAutoprocess")["checked"] is True
        assert program.menu_item("mnu_1", "mnuPopAutoprocess")["checked"] is True
        # What was on the clipboard before Autoprocess was switched on stays as it is.
        assert holds_for(lambda: program.desktop.clipboard() == "before", 1.5)

        program.desktop.copy("> quoted")
        wait_until(lambda: program.desktop.clipboard() == "quoted\n", timeout=5,
                   what="the copy to be processed")
        assert holds_for(lambda: program.desktop.clipboard() == "quoted\n", 4.0)
        assert program.text_box() == "quoted\n"

    def test_switching_off_stops_processing(self, program):
        program.start()
        program.click_and_wait("optUpper", "optUpper", 1)
        # The watcher's first look takes what an earlier test left on the
        # clipboard as seen, before any copy of this test's own.
        time.sleep(WATCHER_PERIOD * 1.5)
        program.choose_tray_menu_item("mnuPopAutoprocess")
        program.desktop.copy("first")
        wait_until(lambda: program.desktop.clipboard() == "FIRST", timeout=5,
                   what="the copy to be processed")
        program.choose_menu_item("Options", "mnuAutoprocess")
        assert program.menu_item("mnu_1", "mnuPopAutoprocess")["checked"] is False
        program.desktop.copy("second")
        assert holds_for(lambda: program.desktop.clipboard() == "second", 2.5)
