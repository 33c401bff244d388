"""Options > Start with the system: the item writes the session's autostart
entry (Linux: an XDG autostart file; Windows: the current user's Run value),
the entry starts the program, and the item takes the entry away again."""

from desktop import wait_until

ITEM = ("Options", "mnuStartwithsystem")


def test_the_item_writes_the_entry_that_starts_the_program_and_removes_it(program):
    program.start()
    program.wait_window_state("normal")
    assert program.autostart_command() is None
    program.choose_menu_item(*ITEM)
    command = wait_until(program.autostart_command, what="the autostart entry")
    assert command == program.own_command()
    assert program.menu_item(*ITEM)["checked"] is True
    program.close_by_close_box()

    # Signing in runs the entry; the mark shows the entry the program finds.
    program.start(command)
    program.wait_window_state("normal")
    program.choose_menu_item(*ITEM)
    wait_until(lambda: program.autostart_command() is None, what="the entry to go")
    assert program.menu_item(*ITEM)["checked"] is False
    program.close_by_close_box()
