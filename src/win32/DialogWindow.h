#pragma once

// A modal dialog built from its form's layout (Help, About).

#include <windows.h>

#include <functional>
#include <string>

#include "win32/EventGuard.h"
#include "win32/FormWindow.h"

namespace textmend {

class DialogWindow : public FormWindow {
  public:
    // unload: what the close box does to the dialog's form; guard runs every
    // event's handler.
    DialogWindow(HINSTANCE instance, const FormDef& layout, std::function<void()> unload,
                 EventGuard guard, WidgetProbe* probe = nullptr)
        : FormWindow(instance, layout, probe),
          unload_(std::move(unload)),
          guard_(std::move(guard)) {}

    // Shows the dialog with its owner disabled and runs messages until the form
    // has unloaded itself. A quit request met on the way is passed on.
    void RunModal(HWND owner);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Clicks, and the user's changes to a key box.
    void OnCommand(std::string_view name, WORD notification) override;
    void OnClose() override;

  private:
    // Runs the handler of the event named event (a control's name and what
    // happened to it), then redraws.
    void Handle(const std::string& event, const std::function<void()>& handler);
    // The layout's button marked as default (Enter) or cancel (Escape).
    UINT ButtonId(bool cancel) const;

    std::function<void()> unload_;
    EventGuard guard_;
};

}  // namespace textmend
