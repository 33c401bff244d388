#include "qt/CompactStyle.h"

#include <algorithm>

#include "qt/Twips.h"

namespace textmend {
namespace {

// The option buttons and check boxes of the layout are 195 twips high.
const int kIndicatorSize = ToPixels(195);

}  // namespace

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return std::min(size, kIndicatorSize);
        default:
            return size;
    }
}

}  // namespace textmend
