// Picture boxes: the program's icon at the box's size for the window's DPI. A
// picture box with a place in the tab order takes the focus like any control.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "forms/PixelGrid.h"
#include "win32/ControlKinds.h"
#include "win32/ResourceIds.h"

namespace textmend {
namespace {

class PictureBinding : public ControlBinding {
  public:
    using ControlBinding::ControlBinding;
    ~PictureBinding() override {
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
    }

    void Place(UINT dpi, HFONT font) override {
        ControlBinding::Place(dpi, font);
        // A picture stays visible where the layout lets it overlap a neighbour.
        SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (def().picture == PictureContent::None) {
            return;
        }
        const int resource = def().picture == PictureContent::AutoprocessIcon
                                 ? IDI_TEXTMEND_AUTOPROCESS
                                 : IDI_TEXTMEND;
        const PixelBox box =
            ToPixelBox(def().left, def().top, def().width, def().height, static_cast<int>(dpi));
        auto* icon = static_cast<HICON>(
            LoadImageW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd(), GWLP_HINSTANCE)),
                       MAKEINTRESOURCEW(resource), IMAGE_ICON, box.width, box.height, 0));
        SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        if (icon_ != nullptr) {
            DestroyIcon(icon_);
        }
        icon_ = icon;
    }

  protected:
    NativeClass Class() const override {
        const DWORD tabStop = def().tabIndex >= 0 ? WS_TABSTOP | SS_NOTIFY : 0;
        return {WC_STATICW, SS_ICON | SS_REALSIZECONTROL | tabStop, 0};
    }

    void Draw(const ControlState&) override {}
    void DescribeShown(JsonObject&) const override {}

  private:
    HICON icon_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlBinding> MakePictureBinding(const ControlDef& def) {
    return std::make_unique<PictureBinding>(def);
}

}  // namespace textmend
