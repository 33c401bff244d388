#include "qt/FontFit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStyle>
#include <cmath>

#include "forms/CaptionFit.h"
#include "forms/PixelGrid.h"

namespace textmend {
namespace {

// 8 points at 96 dots an inch.
constexpr int kPixelSize = 11;

// Faces with narrow letters first; the first one installed is used.
constexpr const char* kFaces[] = {"Nimbus Sans", "Liberation Sans",       "Arimo",
                                  "FreeSans",    "DejaVu Sans Condensed", "DejaVu Sans"};

QString FirstInstalledFace() {
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kFaces) {
        if (installed.contains(QString::fromLatin1(face))) {
            return QString::fromLatin1(face);
        }
    }
    return QApplication::font().family();
}

QFont FontAt(const QString& face, double scale) {
    QFont font(face);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kPixelSize * scale))));
    return font;
}

int Chrome(ControlKind kind) {
    QStyle* style = QApplication::style();
    switch (kind) {
        case ControlKind::OptionButton:
            return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        case ControlKind::CheckBox:
            return style->pixelMetric(QStyle::PM_IndicatorWidth) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        case ControlKind::CommandButton:
            return 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        default:
            return 0;
    }
}

}  // namespace

QFont FitFont(std::span<const FormDef* const> layouts) {
    const QString face = FirstInstalledFace();
    CaptionMetrics metrics;
    metrics.textWidth = [&face](std::string_view caption, double scale) {
        return QFontMetricsF(FontAt(face, scale))
            .horizontalAdvance(QString::fromUtf8(caption.data(), caption.size()));
    };
    metrics.chrome = Chrome;
    metrics.dpi = kLayoutDpi;
    return FontAt(face, FitCaptionScale(layouts, metrics));
}

}  // namespace textmend
