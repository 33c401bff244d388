#pragma once

namespace textmend {

class DialogForm;

// What the main window asks of the program around it: the popup menu, the
// modal dialogs and the end of the program.
class ShellPort {
  public:
    virtual ~ShellPort() = default;
    // Opens the popup menu mnu_1 at the mouse pointer; returns when it closes,
    // after the chosen item's handler has run.
    virtual void PopupMenu() = 0;
    // Shows the dialog modally: builds its window, runs its Form_Load, and returns
    // once the dialog has unloaded itself.
    virtual void ShowModal(DialogForm& dialog) = 0;
    // Ends the program at once (the main window has already unloaded).
    virtual void EndProgram() = 0;
};

}  // namespace textmend
