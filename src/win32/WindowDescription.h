#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "win32/ControlBinding.h"
#include "win32/FormMenus.h"
#include "win32/JsonText.h"

namespace textmend {

// A form window as the widget probe reports it (WidgetProbe.h gives the layout):
// caption, visibility, state, frame, every control, and the menus when it has any.
JsonObject DescribeWindow(HWND window, const std::vector<std::unique_ptr<ControlBinding>>& controls,
                          const FormMenus& menus);

}  // namespace textmend
