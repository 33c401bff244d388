#pragma once

#include <QProxyStyle>

namespace textmend {

// The desktop's style with check box and option button indicators small enough
// for the layout's 13-pixel rows, so no indicator loses its lower edge.
class CompactStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace textmend
