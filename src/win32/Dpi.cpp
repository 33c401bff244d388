#include "win32/Dpi.h"

#include <cmath>

namespace textmend {

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
