"""The five later clean-ups in both programs: their boxes in a frame of their
own, their popup items, their settings across a restart, and a Process with
each of them."""

from desktop import wait_until

# box: (popup item, settings key)
CLEANUPS = {
    "chkInvisible": ("mnuInvisible", "invisible"),
    "chkPlainPunct": ("mnuPlainPunct", "plainpunct"),
    "chkJoinWords": ("mnuJoinWords", "joinwords"),
    "chkTrimSpaces": ("mnuTrimSpaces", "trimspaces"),
    "chkKeepLists": ("mnuKeepLists", "keeplists"),
}

# What a Process gives with the default options and each box checked; Keep list
# items works only with Remove returns, which the run checks first.
PROCESS_CASES = [
    ("chkInvisible", "a\u200bb\ufeffc", "abc"),
    ("chkPlainPunct", "\u201cIt\u2019s\u201d \u2014 ok\u2026", "\"It's\" -- ok..."),
    ("chkJoinWords", "inter-\nnational", "international"),
    ("chkTrimSpaces", "a \t\nb", "a\nb"),
    ("chkKeepLists", "Items:\n- one\n- two", "Items:\n- one\n- two"),
]


def inside(inner, outer):
    return (outer["x"] <= inner["x"] and outer["y"] <= inner["y"]
            and inner["x"] + inner["width"] <= outer["x"] + outer["width"]
            and inner["y"] + inner["height"] <= outer["y"] + outer["height"])


class TestLaterCleanups:
    def test_boxes_start_clear_in_their_frame_and_keep_lists_waits_for_remove_returns(
            self, program):
        program.start()
        program.wait_window_state("normal")
        frame = program.control("fraMore")
        assert frame["visible"] and frame["text"]
        for box, (item, _key) in CLEANUPS.items():
            assert program.value(box) == 0, box
            assert program.control(box)["visible"] is True, box
            assert inside(program.control(box), frame), box
            assert program.menu_item("mnu_1", item)["checked"] is False, item
        assert program.control("chkKeepLists")["enabled"] is False
        assert program.menu_item("mnu_1", "mnuKeepLists")["enabled"] is False
        program.click("chkKeepLists")
        program.click_and_wait("chkRemCRs", "chkRemCRs", 1)
        assert program.value("chkKeepLists") == 0
        wait_until(lambda: program.control("chkKeepLists")["enabled"],
                   what="Keep list items to be enabled")
        assert program.menu_item("mnu_1", "mnuKeepLists")["enabled"] is True

    def test_checked_boxes_are_stored_and_come_back_in_window_and_popup(self, program):
        program.start()
        program.wait_window_state("normal")
        program.click_and_wait("chkRemCRs", "chkRemCRs", 1)
        for box in CLEANUPS:
            program.click_and_wait(box, box, 1)
        program.close_by_close_box()
        stored = program.stored_settings()
        for _item, key in CLEANUPS.values():
            assert stored[key] == "True", key
        program.start()
        program.wait_window_state("normal")
        for box, (item, _key) in CLEANUPS.items():
            assert program.value(box) == 1, box
            assert program.menu_item("mnu_1", item)["checked"] is True, item
        assert program.control("chkKeepLists")["enabled"] is True

    def test_a_process_with_each_box_gives_its_result(self, program):
        program.start()
        program.wait_window_state("normal")
        for box, text, expected in PROCESS_CASES:
            if box == "chkKeepLists":
                program.click_and_wait("chkRemCRs", "chkRemCRs", 1)
            program.click_and_wait(box, box, 1)
            program.desktop.copy(text)
            program.click("cmdProcess")
            wait_until(lambda: program.desktop.clipboard() == expected,
                       what=f"{box}: the clipboard to hold {expected!r}")
            program.click_and_wait(box, box, 0)
