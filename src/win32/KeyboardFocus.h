#pragma once

// The keyboard among a form window's controls: Tab in the layout's tab order,
// where the option buttons are one stop, and the arrow keys within the options.

#include <windows.h>

#include <memory>
#include <vector>

#include "win32/ControlBinding.h"

namespace textmend {

// Focuses control and, in a text box, selects its whole text as Tab does.
void FocusControl(HWND control);

// The control Tab (or Shift+Tab, backward) moves to from current, in the layout's
// tab order (controls is in tab order; the order on the screen may differ): the
// next enabled, visible tab stop, round from the last to the first. The option
// buttons are one stop, at the selected one, or the first when none is selected.
// With current not among them, the first stop (the last one backward).
HWND NextTabStop(const std::vector<std::unique_ptr<ControlBinding>>& controls, HWND current,
                 bool backward);

// The arrow keys move among the enabled, visible option buttons in their tab
// order (controls is in tab order), wherever other controls stand between them,
// and round from the last to the first. Moving onto an option button reports a
// click on it to window, as a native group does. True when msg was used.
bool MoveAmongOptions(HWND window, const std::vector<std::unique_ptr<ControlBinding>>& controls,
                      const MSG& msg);

}  // namespace textmend
