#include "win32/WindowDescription.h"

#include "win32/Utf.h"
#include "win32/WidgetProbe.h"

namespace textmend {

JsonObject DescribeWindow(HWND window, const std::vector<std::unique_ptr<ControlBinding>>& controls,
                          const FormMenus& menus) {
    JsonObject described;
    for (const auto& control : controls) {
        described.Add(control->def().name, control->Describe());
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    JsonObject out;
    out.Add("caption", WideToUtf8(WindowText(window)))
        .Add("visible", IsWindowVisible(window) != FALSE)
        .Add("minimized", IsIconic(window) != FALSE)
        .Add("frame", JsonBox(frame))
        .Add("controls", described);
    if (!menus.Empty()) {
        out.Add("menus", menus.Describe(window));
    }
    return out;
}

}  // namespace textmend
