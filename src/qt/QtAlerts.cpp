#include "qt/QtAlerts.h"
#include "engine/LineBreaks.h"

#include <QApplication>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt/WidgetProbe.h"

namespace textmend {

void QtMessageBox::Show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(ToLfLineBreaks(text)), QMessageBox::Ok, parent_());
    box.setTextFormat(Qt::PlainText);
    QTimer::singleShot(0, &box, [this, &box] {
        const QWidget* ok = box.button(QMessageBox::Ok);
        const QPoint origin = ok->mapToGlobal(QPoint(0, 0));
        probe_.Set("messageBox", QJsonObject{{"title", box.windowTitle()},
                                             {"text", box.text()},
                                             {"ok", QJsonObject{{"x", origin.x()},
                                                                {"y", origin.y()},
                                                                {"width", ok->width()},
                                                                {"height", ok->height()}}}});
    });
    box.exec();
    probe_.Remove("messageBox");
}

void QtBeep::Beep() {
    QApplication::beep();
}

}  // namespace textmend
