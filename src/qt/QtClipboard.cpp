#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "filter/LineBreaks.h"

namespace textmend {
namespace {

// Password managers mark what they copy with this type, holding "secret".
constexpr const char* kPasswordHintType = "x-kde-passwordManagerHint";

const QMimeData* Content() {
    return QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
}

}  // namespace

QtClipboard::QtClipboard() {
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, &context_,
                     [this](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard) {
                             ++changes_;
                         }
                     });
}

QtClipboard::~QtClipboard() = default;

void QtClipboard::Read(ReadDone done) {
    const QMimeData* content = Content();
    ClipboardContent read;
    read.hasText = content != nullptr && content->hasText();
    read.secret = content != nullptr && content->data(kPasswordHintType).trimmed() == "secret";
    if (read.hasText) {
        read.text = ToEngineLineBreaks(
            QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString());
    }
    done(read, std::nullopt);
}

void QtClipboard::Write(std::string text, WriteDone done) {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    // Text alone replaces every format the clipboard held, formatting included.
    QGuiApplication::clipboard()->setText(QString::fromStdString(ToUnixLineBreaks(text)),
                                          QClipboard::Clipboard);
    done(std::nullopt, std::nullopt);
}

}  // namespace textmend
