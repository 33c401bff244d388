#include "engine/internal/ScratchLines.h"

#include <system_error>

namespace textmend::internal {

namespace {

// Written at a time by the writing thread, which tells the reader after each.
constexpr std::size_t kWritePiece = std::size_t{1} << 20;

}  // namespace

ScratchLines::ScratchLines(const std::string& text, const ScratchFolders& folders,
                           std::string& buffer, std::size_t pieceSize)
    : file_(folders), buffer_(buffer), textSize_(text.size()), pieceSize_(pieceSize) {
    if (text.size() >= kWriteAside) {
        try {
            writer_ = std::thread([this, &text] { WriteText(text); });
            return;
        } catch (const std::system_error&) {
            // No thread to be had: the text is written here.
        }
    }
    WriteText(text);
    WrittenBeyond(0);
}

ScratchLines::~ScratchLines() {
    if (writer_.joinable()) {
        writer_.join();
    }
}

void ScratchLines::WriteText(const std::string& text) noexcept {
    try {
        for (std::size_t done = 0; done < text.size(); done += kWritePiece) {
            file_.Write(std::string_view(text).substr(done, kWritePiece));
            written_.store(std::min(done + kWritePiece, text.size()), std::memory_order_release);
            written_.notify_one();
        }
        file_.Write(kLineBreak);
        written_.store(text.size() + kLineBreak.size(), std::memory_order_release);
    } catch (...) {
        writeFailure_ = std::current_exception();
        written_.store(kWriteFailed, std::memory_order_release);
    }
    written_.notify_one();
}

std::size_t ScratchLines::WrittenBeyond(std::size_t offset) {
    std::size_t written = written_.load(std::memory_order_acquire);
    while (written <= offset) {
        written_.wait(written, std::memory_order_acquire);
        written = written_.load(std::memory_order_acquire);
    }
    if (written == kWriteFailed) {
        std::rethrow_exception(writeFailure_);
    }
    return written;
}

void ScratchLines::Remove() {
    WaitUntilWritten();
    if (writer_.joinable()) {
        writer_.join();
    }
    file_.Remove();
}

}  // namespace textmend::internal
