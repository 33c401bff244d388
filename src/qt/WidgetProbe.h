#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>

class QWidget;

namespace textmend {

// What the windows show, written as JSON to the file named by the environment
// variable TEXTMEND_WIDGET_STATE whenever it changes, so that end-to-end tests
// can find the controls on the screen and read their states like a user's
// eyes would. Without the variable nothing is written.
//
// { "<window>": { "caption", "visible", "minimized", "frame": {x, y, width, height},
//                 "controls": { "<name>": {x, y, width, height, enabled, visible,
//                                          value | text} },
//                 "menus": { "<menu>": { "open", "title": {box}, "items": {
//                            "<item>": {checked, enabled, text, "box" while open} } } } },
//   "tray": { "shown", "image": "normal" | "autoprocess", "tooltip" } }
class WidgetProbe {
  public:
    WidgetProbe();
    bool Enabled() const { return !path_.isEmpty(); }
    void Set(const QString& section, const QJsonObject& content);
    void Remove(const QString& section);

  private:
    void Write();

    QString path_;
    QJsonObject sections_;
};

// Calls changed, once the event queue is empty, after widget has moved, been
// resized, shown, hidden or minimized.
void WatchGeometry(QWidget* widget, std::function<void()> changed);

}  // namespace textmend
