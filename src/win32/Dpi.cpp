#include "win32/Dpi.h"

#include <cmath>

namespace textmend {

int TwipsToPixels(double twips, UINT dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(int pixels, UINT dpi) {
    return static_cast<double>(pixels) * kTwipsPerInch / (dpi == 0 ? USER_DEFAULT_SCREEN_DPI : dpi);
}

HFONT CreateMessageFont(UINT dpi, double scale) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = static_cast<LONG>(std::lround(font.lfHeight * scale));
    return CreateFontIndirectW(&font);
}

}  // namespace textmend
