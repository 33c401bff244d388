"""The clean-and-paste hotkey, pressed while another program's window has the
keyboard focus: the clipboard's text is cleaned up and pasted where the user
types; Restore original brings the copied text back; a combination another
program holds already is said."""

import contextlib
import sys
import time

from desktop import holds_for, wait_until

COPIED = "one\n\n  two  \n"
CLEANED = "one\ntwo"  # the defaults drop blank lines and trim the end
IN_USE = "The hotkey Ctrl+Alt+V is in use by another program."
TYPED_BY_PASTE = "The paste itself types Ctrl+V: choose another combination."

# Presses and releases keys by keycode through XTEST, as on the keyboard:
#   press_keys.py KEYCODE... (each pressed in order, released in reverse)
PRESS_KEYS = """
import sys
from Xlib import X
from Xlib.display import Display
from Xlib.ext import xtest
display = Display()
keys = [int(k) for k in sys.argv[1:]]
for key in keys:
    xtest.fake_input(display, X.KeyPress, key)
for key in reversed(keys):
    xtest.fake_input(display, X.KeyRelease, key)
display.sync()
"""

KEYCODE_OF = """
import sys
from Xlib import XK
from Xlib.display import Display
print(Display().keysym_to_keycode(XK.string_to_keysym(sys.argv[1])))
"""


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


class TestThePastesOwnKeys:
    def test_the_dialog_refuses_ctrl_v_which_the_paste_types(self, program):
        program.start()
        program.wait_window_state("normal")
        program.choose_menu_item("Options", "mnuHotkey")
        program.hotkey_dialog()
        dialog = program.desktop.windows("^Clean and paste hotkey$")[0]
        program.desktop.key("ctrl+v", window=dialog)
        shown = wait_until(lambda: program.hotkey_dialog()["lblStatus"]["text"] == TYPED_BY_PASTE
                           and program.hotkey_dialog(), what="the dialog's message")
        assert shown["hkyHotkey"]["text"] == "Ctrl+V"
        assert shown["cmdOK"]["enabled"] is False

    def test_with_the_keys_held_past_the_wait_the_paste_arrives_once(self, program):
        program.store_settings({"hotkey": "Ctrl+Alt+V"})
        program.start()
        target = program.open_typing_target()
        program.desktop.copy(COPIED)
        program.desktop.xdotool("windowactivate", "--sync", str(target.window), check=False)
        program.desktop.xdotool("keydown", "ctrl+alt", "key", "v", "sleep", "2",
                                "keyup", "ctrl+alt")
        wait_until(lambda: target.text() == CLEANED, what="the paste in the typing target")
        assert holds_for(lambda: target.text() == CLEANED, 1.5), "pasted once"
        program.choose_tray_menu_item("mnuPopRestoreOriginal")
        wait_clipboard(program, COPIED)


@contextlib.contextmanager
def keyboard_layouts(desktop, layouts, variants):
    desktop.run(["setxkbmap", "-layout", layouts, "-variant", variants])
    try:
        yield
    finally:
        desktop.run(["setxkbmap", "-layout", "us"])


class TestTwoLayouts:
    def test_the_hotkey_and_the_paste_take_the_keys_of_the_layout_in_use(self, program):
        run_xlib = lambda script, *args: program.desktop.run(  # noqa: E731
            [sys.executable, "-c", script, *args])
        # Dvorak puts V on the key that types the full stop in US.
        dvorak_v = run_xlib(KEYCODE_OF, "period").strip()
        ctrl, alt = (run_xlib(KEYCODE_OF, name).strip() for name in ("Control_L", "Alt_L"))
        program.store_settings({"hotkey": "Ctrl+Alt+V"})
        with keyboard_layouts(program.desktop, "us,us", ",dvorak"):
            program.start()
            target = program.open_typing_target()
            program.desktop.copy(COPIED)
            # The same two layouts, Dvorak now the one in use; the program hears
            # of it as of any change of keymap, a moment later.
            program.desktop.run(["setxkbmap", "-layout", "us,us", "-variant", "dvorak,"])
            time.sleep(1)
            program.desktop.xdotool("windowactivate", "--sync", str(target.window), check=False)
            run_xlib(PRESS_KEYS, ctrl, alt, dvorak_v)
            wait_clipboard(program, CLEANED)
            wait_until(lambda: target.text() == CLEANED, what="the paste in the typing target")


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
