#pragma once

// A modal dialog built from its form's layout (Help, About).

#include <windows.h>

#include <functional>

#include "win32/FormWindow.h"

namespace textmend {

class DialogWindow : public FormWindow {
  public:
    // unload: what the close box does to the dialog's form.
    DialogWindow(HINSTANCE instance, const FormDef& layout, std::function<void()> unload)
        : FormWindow(instance, layout), unload_(std::move(unload)) {}

    // Shows the dialog with its owner disabled and runs messages until the form
    // has unloaded itself. A quit request met on the way is passed on.
    void RunModal(HWND owner);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Clicks, and the user's changes to a key box.
    void OnCommand(std::string_view name, WORD notification) override;
    void OnClose() override {
        OnCommandDone([this] { unload_(); });
    }

  private:
    void OnCommandDone(const std::function<void()>& action);
    // The layout's button marked as default (Enter) or cancel (Escape).
    UINT ButtonId(bool cancel) const;

    std::function<void()> unload_;
};

}  // namespace textmend
