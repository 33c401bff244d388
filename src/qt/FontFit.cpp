#include "qt/FontFit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOption>

#include "qt/Twips.h"

namespace textmend {
namespace {

// 8 points at 96 dots an inch.
constexpr int kLargestPixelSize = 11;
constexpr int kSmallestPixelSize = 8;

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

// The width the caption has inside its control, in pixels.
int RoomForCaption(const ControlSpec& spec) {
    const int width = ToPixelRect(spec.left, spec.top, spec.width, spec.height).width();
    QStyle* style = QApplication::style();
    switch (spec.kind) {
        case ControlKind::OptionButton:
            return width - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        case ControlKind::CheckBox:
            return width - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        case ControlKind::CommandButton:
            return width - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        default:
            return -1;
    }
}

QString Caption(const ControlSpec& spec) {
    QString caption = QString::fromUtf8(spec.caption.data(), spec.caption.size());
    // An access key's ampersand is not drawn.
    return caption.remove(QLatin1Char('&'));
}

bool EveryCaptionFits(const QFont& font, std::span<const FormSpec* const> layouts) {
    const QFontMetrics metrics(font);
    for (const FormSpec* layout : layouts) {
        for (const ControlSpec& spec : layout->controls) {
            const int room = RoomForCaption(spec);
            if (room >= 0 && metrics.horizontalAdvance(Caption(spec)) > room) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

QFont FitFont(std::span<const FormSpec* const> layouts) {
    QFont font(FirstInstalledFace());
    for (int size = kLargestPixelSize; size >= kSmallestPixelSize; --size) {
        font.setPixelSize(size);
        if (EveryCaptionFits(font, layouts)) {
            break;
        }
    }
    return font;
}

}  // namespace textmend
