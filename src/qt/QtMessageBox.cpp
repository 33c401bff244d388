#include "qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/DisplayLines.h"

namespace textmend {

void QtMessageBox::Show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(ToDisplayLines(text)), QMessageBox::Ok, parent_());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtBeep::Beep() {
    QApplication::beep();
}

}  // namespace textmend
