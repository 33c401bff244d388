#include "forms/CaptionFit.h"

#include <algorithm>
#include <string>

#include "forms/PixelGrid.h"

namespace textmend {
namespace {

// A caption as it is drawn: an ampersand marks the access key and is not shown,
// a doubled one stands for itself.
std::string ShownCaption(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

bool HasCaptionToFit(ControlKind kind) {
    return kind == ControlKind::OptionButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::CommandButton;
}

// The smallest ratio of room to width over every caption: 1 or more when all fit.
double WorstFit(std::span<const FormDef* const> layouts, const CaptionMetrics& metrics,
                double scale) {
    double worst = 1.0;
    for (const FormDef* layout : layouts) {
        for (const ControlDef& control : layout->controls) {
            if (!HasCaptionToFit(control.kind) || control.caption.empty()) {
                continue;
            }
            const PixelBox box =
                ToPixelBox(control.left, control.top, control.width, control.height, metrics.dpi);
            const double room = box.width - metrics.chrome(control.kind);
            const double width = metrics.textWidth(ShownCaption(control.caption), scale);
            if (width > room) {
                worst = std::min(worst, std::max(room, 1.0) / width);
            }
        }
    }
    return worst;
}

}  // namespace

double FitCaptionScale(std::span<const FormDef* const> layouts, const CaptionMetrics& metrics) {
    // Fonts come in whole pixel sizes and their widths do not shrink exactly in
    // proportion, so each guess is measured again until everything fits.
    constexpr int kTries = 12;
    constexpr double kLeastStep = 0.02;
    double scale = 1.0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const double worst = WorstFit(layouts, metrics, scale);
        if (worst >= 1.0) {
            return scale;
        }
        scale = std::min(scale * worst, scale - kLeastStep);
    }
    return scale;
}

}  // namespace textmend
