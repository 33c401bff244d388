#pragma once

#include "forms/Form.h"
#include "ports/WindowPort.h"

namespace textmend {

// A modal dialog's core (Help, About, the hotkey). The front end that shows it creates the
// window, calls Form_Load with it, draws it, runs it modally and closes it once
// Unloaded() is true: after a click on a closing button, or Form_Unload for the
// close box. Nothing survives between openings.
class DialogForm : public Form {
  public:
    using Form::Form;

    // The window exists and is not shown yet.
    virtual void Form_Load(WindowPort& window) = 0;
    void Form_Unload() { unloaded_ = true; }
};

}  // namespace textmend
