"""textmend --process, --clean-and-paste and --show, as a desktop shortcut runs
them: carried out by the running program, or once by the command itself when
none runs; a second plain start brings the running one forward."""

from desktop import wait_until
from test_hotkey import CLEANED, COPIED, wait_clipboard

NO_TEXT = "textmend: There is no text on the Clipboard.\n"


def programs_running(program):
    """The program's processes on the desktop, by the window the core draws."""
    return len(program.desktop.windows("^Textmend [0-9.]+ $"))


class TestWithTheProgramRunning:
    def test_process_cleans_the_clipboard_in_the_running_program(self, program):
        program.start()
        program.desktop.copy(COPIED)
        done = program.run_command("--process")
        assert (done.returncode, done.stderr) == (0, "")
        wait_clipboard(program, CLEANED)
        wait_until(lambda: program.text_box() == CLEANED, what="the text box to show it")

    def test_clean_and_paste_pastes_into_the_focused_window(self, program):
        program.start()
        target = program.open_typing_target()
        program.desktop.copy(COPIED)
        program.desktop.xdotool("windowactivate", "--sync", str(target.window), check=False)
        done = program.run_command("--clean-and-paste")
        assert (done.returncode, done.stderr) == (0, "")
        wait_until(lambda: target.text() == CLEANED, what="the paste in the typing target")

    def test_show_and_a_second_start_bring_the_window_forward_with_one_icon(self, program):
        program.start()
        program.wait_window_state("normal")
        program.minimize()
        program.wait_window_state("withdrawn")
        assert program.run_command("--show").returncode == 0
        program.wait_window_state("normal")
        program.minimize()
        program.wait_window_state("withdrawn")
        second = program.run_command()
        assert (second.returncode, second.stderr) == (0, "")
        program.wait_window_state("normal")
        assert program.tray_icon_count() == 1
        assert programs_running(program) == 1

    def test_no_text_fails_with_the_reason(self, program):
        program.start()
        program.desktop.copy_picture()
        done = program.run_command("--process")
        assert (done.returncode, done.stderr) == (1, NO_TEXT)


class TestWithoutTheProgram:
    def test_process_cleans_the_clipboard_once_and_leaves_nothing_on_screen(self, program):
        program.store_settings({"upper": "True", "lower": "False", "clean": "False",
                                "proper": "False"})
        program.desktop.copy(COPIED)
        done = program.run_command("--process")
        assert (done.returncode, done.stderr) == (0, "")
        wait_clipboard(program, CLEANED.upper())
        assert programs_running(program) == 0
        assert program.tray_icon_count() == 0
        program.desktop.copy("later")  # the text it still hands out is no longer asked for

    def test_no_text_fails_with_the_reason(self, program):
        program.desktop.copy_picture()
        done = program.run_command("--process")
        assert (done.returncode, done.stderr) == (1, NO_TEXT)

    def test_a_wrong_option_fails_at_once(self, program):
        done = program.run_command("--paste")
        assert done.returncode == 1
        assert done.stderr.count("\n") == 1 and "--paste" in done.stderr

    def test_show_starts_the_program(self, program):
        program.start(program.own_command() + ["--show"])
        program.wait_window_state("normal")
