#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <new>
#include <optional>

#include "engine/LineBreaks.h"
#include "engine/SystemError.h"
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
    if (const std::optional<OwnedText> owned = owner_ ? owner_->Offered() : std::nullopt) {
        done({.content = {.hasText = true,
                          .secret = owned->secret,
                          .text = ToEngineLineBreaks(*owned->text)}});
        return;
    }
    // Text copied from the text box.
    if (QGuiApplication::clipboard()->ownsClipboard()) {
        done({.content = OwnContent()});
        return;
    }
    const auto deadline = SelectionConnection::Clock::now() + kDeadline;
    reads_.Start(std::move(done), [this, deadline](int stopFd) {
        return ReadClipboardSelection(display_, deadline, stopFd);
    });
}

void QtClipboard::Write(std::string text, bool secret, WriteDone done) {
    // The text is made ready first; then the selection passes from its owner to
    // this program's in one step, never without an owner in between.
    std::optional<StepError> failure;
    try {
        if (!owner_) {
            owner_ = std::make_unique<ClipboardOwner>(display_);
        }
        owner_->Offer(ToUnixLineBreaks(std::move(text)), secret);
    } catch (const StepError& error) {
        failure = error;
    } catch (const std::bad_alloc&) {
        failure = OutOfMemoryError();
    }
    done(std::nullopt, failure);
}

bool QtClipboard::OffersOwnText() {
    return (owner_ && owner_->Offered()) || QGuiApplication::clipboard()->ownsClipboard();
}

}  // namespace textmend
