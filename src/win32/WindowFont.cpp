#include "win32/WindowFont.h"

#include "forms/CaptionFit.h"
#include "forms/PixelGrid.h"
#include "win32/Dpi.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

// What a control of each kind draws beside its caption, in pixels at dpi: the
// box or circle with the edges around it and a gap of two layout pixels; a
// button's frame and the same gap on either side.
int Chrome(ControlKind kind, UINT dpi) {
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    const int gap = TwipsToPixels(2 * kTwipsPerLayoutPixel, static_cast<int>(dpi));
    switch (kind) {
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            return GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + 2 * edge + gap;
        case ControlKind::CommandButton:
            return 2 * (2 * edge + gap);
        default:
            return 0;
    }
}

double TextWidth(HDC dc, UINT dpi, std::string_view caption, double scale) {
    HFONT font = CreateMessageFont(dpi, scale);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = Utf8ToWide(caption);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    return size.cx;
}

}  // namespace

HFONT CreateWindowFont(UINT dpi) {
    HDC dc = CreateCompatibleDC(nullptr);
    CaptionMetrics metrics;
    metrics.dpi = static_cast<int>(dpi);
    metrics.textWidth = [dc, dpi](std::string_view caption, double scale) {
        return TextWidth(dc, dpi, caption, scale);
    };
    metrics.chrome = [dpi](ControlKind kind) { return Chrome(kind, dpi); };
    const double scale = FitCaptionScale(AllLayouts(), metrics);
    DeleteDC(dc);
    return CreateMessageFont(dpi, scale);
}

}  // namespace textmend
