// Text boxes and labels: text drawn from the form with the native controls' line
// breaks. A label's text is the form's only; labels wrap and take no prefix.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "engine/LineBreaks.h"
#include "win32/ControlKinds.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

class TextBinding : public ControlBinding {
  public:
    using ControlBinding::ControlBinding;

    std::optional<std::string> TakeEdit(WORD notification) override {
        if (def().kind != ControlKind::TextBox || notification != EN_CHANGE) {
            return std::nullopt;
        }
        return WideToUtf8(WindowText(hwnd()));
    }

  protected:
    NativeClass Class() const override {
        if (def().kind == ControlKind::Label) {
            return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
        }
        return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    }

    void Draw(const ControlState& state) override {
        const std::wstring text = Utf8ToWide(ToCrLfLineBreaks(state.text));
        // Setting the same text again would move the caret and scroll back.
        if (text != WindowText(hwnd())) {
            SetWindowTextW(hwnd(), text.c_str());
        }
    }

    void DescribeShown(JsonObject& out) const override {
        out.Add("text", WideToUtf8(WindowText(hwnd())));
    }
};

}  // namespace

std::unique_ptr<ControlBinding> MakeTextBinding(const ControlDef& def) {
    return std::make_unique<TextBinding>(def);
}

}  // namespace textmend
