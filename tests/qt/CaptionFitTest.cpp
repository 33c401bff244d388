// Every caption shows whole in its control, in the font the program picks, at
// the desktop scale the test runs at (QT_SCALE_FACTOR: 1, 1.25, 1.5 and 2).

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStyle>

#include "forms/Layout.h"
#include "qt/CompactStyle.h"
#include "qt/FontFit.h"
#include "qt/FormView.h"

namespace textmend {
namespace {

TEST(Captions, EveryCaptionShowsWholeInItsControl) {
    int argc = 1;
    char name[] = "caption_fit_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setStyle(new CompactStyle);
    QApplication::setFont(FitFont(AllLayouts()));
    const Icons icons;
    for (const FormDef* layout : AllLayouts()) {
        QWidget client;
        FormView view(*layout, icons, &client);
        for (const ControlDef& control : layout->controls) {
            QWidget* widget = view.Widget(control.name);
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                const int margins = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + margins,
                          button->width())
                    << control.name;
            } else if (control.kind == ControlKind::CheckBox ||
                       control.kind == ControlKind::OptionButton) {
                EXPECT_LE(widget->sizeHint().width(), widget->width()) << control.name;
            }
        }
    }
}

}  // namespace
}  // namespace textmend
