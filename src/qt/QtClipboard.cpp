#include "qt/QtClipboard.h"

#include <fcntl.h>
#include <unistd.h>

#include <new>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
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
    : afterDone_(std::move(afterDone)), display_(ProgramDisplayName()) {
    if (pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        stopPipe_[0] = stopPipe_[1] = -1;
    }
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, &context_,
                     [this](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard) {
                             ++changes_;
                         }
                     });
}

QtClipboard::~QtClipboard() {
    if (reader_.joinable()) {
        if (stopPipe_[1] >= 0) {
            [[maybe_unused]] const ssize_t written = write(stopPipe_[1], "x", 1);
        }
        reader_.join();
    }
    for (int fd : stopPipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
    // An outcome already posted goes with context_, undelivered.
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
    // The previous reader has handed its outcome over; it has only to end.
    if (reader_.joinable()) {
        reader_.join();
    }
    pending_ = std::move(done);
    const auto deadline = SelectionConnection::Clock::now() + kDeadline;
    reader_ = std::thread([this, deadline, stopFd = stopPipe_[0]] {
        auto outcome = std::make_shared<ClipboardRead>();
        try {
            outcome->content = ReadClipboardSelection(display_, deadline, stopFd);
            outcome->content.text = ToEngineLineBreaks(outcome->content.text);
        } catch (const StepError& failure) {
            outcome->content = {};
            outcome->failure = failure;
        } catch (const std::bad_alloc&) {
            outcome->content = {};
            outcome->failure = OutOfMemoryError();
        } catch (const TransferStopped&) {
            return;
        }
        QMetaObject::invokeMethod(
            &context_, [this, outcome] { Finish(*outcome); }, Qt::QueuedConnection);
    });
}

void QtClipboard::Finish(const ClipboardRead& read) {
    ReadDone done = std::exchange(pending_, nullptr);
    if (done) {
        done(read);
    }
    if (afterDone_) {
        afterDone_();
    }
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

}  // namespace textmend
