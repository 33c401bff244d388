#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/LineBreaks.h"
#include "qt/QtX11Display.h"
#include "x11/ClipboardSelection.h"

namespace textmend {
namespace {

// Password managers mark what they copy with this type, holding "secret".
constexpr const char* kPasswordHintType = "x-kde-passwordManagerHint";

// What this program itself put on the clipboard, read without a transfer.
ClipboardContent OwnContent() {
    ClipboardContent content;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data == nullptr) {
        return content;
    }
    content.hasText = data->hasText();
    content.secret = data->data(kPasswordHintType).trimmed() == "secret";
    if (content.hasText) {
        content.text = ToEngineLineBreaks(data->text().toStdString());
    }
    return content;
}

}  // namespace

QtClipboard::QtClipboard(std::function<void()> afterDone)
    : display_(ProgramDisplayName()), reads_(std::move(afterDone)) {
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, &context_,
                     [this](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard) {
                             ++changes_;
                         }
                     });
}

void QtClipboard::Read(ReadDone done) {
    if (QGuiApplication::clipboard()->ownsClipboard()) {
        done({.content = OwnContent()});
        return;
    }
    const auto deadline = SelectionConnection::Clock::now() + kDeadline;
    reads_.Start(std::move(done), [this, deadline](int stopFd) {
        return ReadClipboardSelection(display_, deadline, stopFd);
    });
}

void QtClipboard::Write(std::string text, bool /*secret*/, WriteDone done) {
    // Both steps only change who owns the selection: the server tells the
    // previous owner, which is never waited for.
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    // Text alone replaces every format the clipboard held, formatting included.
    QGuiApplication::clipboard()->setText(QString::fromStdString(ToUnixLineBreaks(text)),
                                          QClipboard::Clipboard);
    done(std::nullopt, std::nullopt);
}

}  // namespace textmend
