#pragma once

// The tooltips of a window's controls, one tooltip window for them all.

#include <windows.h>

#include <memory>
#include <vector>

#include "win32/ControlBinding.h"

namespace textmend {

class Tooltips {
  public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // Gives every control whose layout entry has a tooltip its text.
    void Create(HWND owner, HINSTANCE instance,
                const std::vector<std::unique_ptr<ControlBinding>>& controls);
    void SetFont(HFONT font);

  private:
    HWND window_ = nullptr;
};

}  // namespace textmend
