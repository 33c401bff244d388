#include "qt/WidgetProbe.h"

#include <QEvent>
#include <QJsonDocument>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

namespace textmend {

WidgetProbe::WidgetProbe() : path_(qEnvironmentVariable("TEXTMEND_WIDGET_STATE")) {}

void WidgetProbe::Set(const QString& section, const QJsonObject& content) {
    if (!Enabled() || sections_.value(section) == content) {
        return;
    }
    sections_[section] = content;
    Write();
}

void WidgetProbe::Remove(const QString& section) {
    if (!Enabled() || !sections_.contains(section)) {
        return;
    }
    sections_.remove(section);
    Write();
}

void WidgetProbe::Write() {
    // Written whole and renamed into place, so a reader never sees half a file.
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(sections_).toJson(QJsonDocument::Indented));
        file.commit();
    }
}

namespace {

class GeometryWatcher : public QObject {
  public:
    GeometryWatcher(QWidget* widget, std::function<void()> changed)
        : QObject(widget), changed_(std::move(changed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::WindowStateChange:
                QTimer::singleShot(0, this, [this] { changed_(); });
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> changed_;
};

}  // namespace

void WatchGeometry(QWidget* widget, std::function<void()> changed) {
    widget->installEventFilter(new GeometryWatcher(widget, std::move(changed)));
}

}  // namespace textmend
