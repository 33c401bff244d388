#include "qt/ControlWidgets.h"

#include <QPainter>
#include <algorithm>

namespace textmend {
namespace {

constexpr int kIconSize = 32;

}  // namespace

LineWidget::LineWidget(QLine line, QColor colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    const QRect box = QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1);
    setGeometry(box);
    line_ = line.translated(-box.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(line_);
}

IconBox::IconBox(QIcon icon, QWidget* parent) : QWidget(parent), icon_(std::move(icon)) {}

void IconBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int side = std::min({kIconSize, width(), height()});
    icon_.paint(&painter, QRect(0, 0, side, side));
}

}  // namespace textmend
