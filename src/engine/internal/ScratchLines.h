#pragma once

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <thread>

#include "engine/ScratchFolders.h"
#include "engine/SystemError.h"
#include "engine/internal/ByteFinder.h"
#include "engine/internal/ScratchFile.h"
#include "engine/internal/StepBuffers.h"

namespace textmend::internal {

// Some of the scratch file's bytes as they come back: whole lines, except where a line
// too long for the buffer goes on from the piece before or into the next one.
struct Piece {
    std::string_view text;
    bool startsInLine;  // its first bytes go on with a line begun in the piece before
    bool endsInLine;    // its last line goes on in the next piece
};

// A line, or the part of a long line that one piece holds.
struct LinePart {
    std::string_view text;  // without the line break
    std::size_t next;       // where in the piece the text after this part begins
    bool first;             // the line begins here
    bool last;              // the line ends here: its break follows
};

// The line pass's source: the text and a CR LF written to a scratch file of its own,
// then read back a piece at a time. A large text is written by a thread of its own
// while the pieces already written are read back and taken apart, so that on a machine
// with a second processor the writing costs little time.
class ScratchLines {
  public:
    // Creates the file and writes text and a CR LF to it, or has that done; text must
    // stay as it is until the file is written (WaitUntilWritten), or this is gone. The
    // file is read back through buffer, which is kept for the next pass, pieceSize bytes
    // at a time. Throws StepError when no folder can take the file.
    ScratchLines(const std::string& text, const ScratchFolders& folders, std::string& buffer,
                 std::size_t pieceSize = kReadBackPiece);
    ~ScratchLines();
    ScratchLines(const ScratchLines&) = delete;
    ScratchLines& operator=(const ScratchLines&) = delete;

    // Returns once all of the text is in the file; throws StepError when writing failed.
    void WaitUntilWritten() { WrittenBeyond(textSize_ + kLineBreak.size() - 1); }

    // The size of the text alone.
    std::size_t textSize() const { return textSize_; }

    // Reads the file back and hands it to step in pieces, in order, each a view into the
    // buffer that is good until step returns. A piece ends at the end of a line break,
    // unless one line fills the whole buffer. Called once. Throws StepError when writing
    // or reading fails, or the file gives back less than was written.
    template <class Step>
    void ForEachPiece(Step&& step) {
        const std::size_t fileSize = textSize_ + kLineBreak.size();
        // Two bytes at least, so that a CR and what follows it always fit.
        buffer_.resize(std::max<std::size_t>(std::min(pieceSize_, fileSize), 2));
        std::size_t offset = 0;  // in the file, of the first byte not yet read
        std::size_t held = 0;    // bytes at the buffer's start that wait for the rest of a line
        bool inLine = false;     // the held bytes go on with a line already handed out in part
        while (offset < fileSize) {
            const std::size_t written = WrittenBeyond(offset);
            const std::size_t got = file_.ReadAt(offset, buffer_.data() + held,
                                                 std::min(buffer_.size() - held, written - offset));
            if (got == 0) {
                throw ShortReadError();
            }
            offset += got;
            const std::size_t filled = held + got;
            std::size_t end = offset == fileSize ? filled : EndOfWholeLines(filled);
            bool endsInLine = false;
            if (end == 0 && filled == buffer_.size()) {
                // One line fills the buffer: it goes out in parts. A CR in the last byte
                // waits: whether an LF follows it is not known yet.
                end = buffer_[filled - 1] == '\r' ? filled - 1 : filled;
                endsInLine = true;
            }
            if (end > 0) {
                step(Piece{std::string_view(buffer_.data(), end), inLine, endsInLine});
                std::memmove(buffer_.data(), buffer_.data() + end, filled - end);
                inLine = endsInLine;
            }
            held = filled - end;
        }
    }

    // Deletes the file, throwing StepError when that fails.
    void Remove();

  private:
    static constexpr std::string_view kLineBreak = "\r\n";
    // Written by a thread of its own from this size on.
    static constexpr std::size_t kWriteAside = std::size_t{4} << 20;
    // What written_ holds once writing has failed.
    static constexpr std::size_t kWriteFailed = ~std::size_t{0};

    // Writes the text and the CR LF, telling how far it has got in written_.
    void WriteText(const std::string& text) noexcept;
    // How many bytes of the file are written, once that is more than offset. Throws
    // StepError when writing failed.
    std::size_t WrittenBeyond(std::size_t offset);

    // Where the last line break of the buffer's first filled bytes ends: after its CR, or
    // after the LF that follows the CR. A CR in the last filled byte does not count, as
    // whether an LF follows it is not known yet. 0 when there is no such break.
    std::size_t EndOfWholeLines(std::size_t filled) const {
        const std::size_t cr = FindLast(buffer_.data(), filled - 1, '\r');
        if (cr == filled - 1) {
            return 0;
        }
        return buffer_[cr + 1] == '\n' ? cr + 2 : cr + 1;
    }

    ScratchFile file_;
    std::string& buffer_;
    std::size_t textSize_;
    std::size_t pieceSize_;
    std::atomic<std::size_t> written_{0};
    std::exception_ptr writeFailure_;
    std::thread writer_;
};

// Hands each line of piece, or part of a line, to step, in order, as a LinePart. A line
// ends at a CR, and an LF right after that CR belongs to the break; a lone LF stays
// inside its line.
template <class Step>
void ForEachLine(const Piece& piece, Step&& step) {
    const char* const data = piece.text.data();
    const std::size_t size = piece.text.size();
    ByteFinder<1> breaks(data, size, {'\r'});
    std::size_t start = 0;
    bool first = !piece.startsInLine;
    while (start < size) {
        const std::size_t end = breaks.Next(start);
        if (end == size) {
            step(LinePart{std::string_view(data + start, size - start), size, first,
                          !piece.endsInLine});
            return;
        }
        std::size_t next = end + 1;
        if (next < size && data[next] == '\n') {
            ++next;
        }
        step(LinePart{std::string_view(data + start, end - start), next, first, true});
        first = true;
        start = next;
    }
}

}  // namespace textmend::internal
