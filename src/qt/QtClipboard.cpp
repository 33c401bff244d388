#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/LineBreaks.h"

namespace textmend {
namespace {

// Password managers mark what they copy with this type, holding "secret".
constexpr const char* kPasswordHintType = "x-kde-passwordManagerHint";

const QMimeData* Content() {
    return QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
}

}  // namespace

bool QtClipboard::HasText() {
    const QMimeData* content = Content();
    return content != nullptr && content->hasText();
}

std::string QtClipboard::ReadText() {
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    return ToEngineLineBreaks(text.toStdString());
}

void QtClipboard::Empty() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void QtClipboard::PutText(const std::string& text) {
    // Text alone replaces every format the clipboard held, formatting included.
    QGuiApplication::clipboard()->setText(QString::fromStdString(ToUnixLineBreaks(text)),
                                          QClipboard::Clipboard);
}

bool QtClipboard::IsSecret() {
    const QMimeData* content = Content();
    return content != nullptr && content->data(kPasswordHintType).trimmed() == "secret";
}

}  // namespace textmend
