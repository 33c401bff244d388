#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/ByteFinder.h"
#include "engine/LinePass.h"
#include "engine/ScratchFile.h"
#include "engine/StepBuffers.h"
#include "engine/SystemError.h"

namespace textmend::detail {

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
// then read back a piece at a time.
class ScratchLines {
  public:
    // Writes text and a CR LF to the file. It is read back through buffer, which is kept
    // for the next pass, pieceSize bytes at a time. Throws StepError when no folder can
    // take the file or writing fails.
    ScratchLines(const std::string& text, const ScratchFolders& folders, std::string& buffer,
                 std::size_t pieceSize = kReadBackPiece)
        : file_(folders), buffer_(buffer), textSize_(text.size()), pieceSize_(pieceSize) {
        file_.Write(text);
        file_.Write(kLineBreak);
    }

    // The size of the text alone.
    std::size_t textSize() const { return textSize_; }

    // Reads the file back and hands it to step in pieces, in order, each a view into the
    // buffer that is good until step returns. A piece ends at the end of a line break,
    // unless one line fills the whole buffer. Called once. Throws StepError when reading
    // fails, or gives back less than was written.
    template <class Step>
    void ForEachPiece(Step&& step) {
        const std::size_t fileSize = textSize_ + kLineBreak.size();
        // Two bytes at least, so that a CR and what follows it always fit.
        buffer_.resize(std::max<std::size_t>(std::min(pieceSize_, fileSize), 2));
        std::size_t offset = 0;  // in the file, of the first byte not yet read
        std::size_t held = 0;    // bytes at the buffer's start that wait for the rest of a line
        bool inLine = false;     // the held bytes go on with a line already handed out in part
        while (offset < fileSize) {
            const std::size_t got = file_.ReadAt(
                offset, buffer_.data() + held, std::min(buffer_.size() - held, fileSize - offset));
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
    void Remove() { file_.Remove(); }

  private:
    static constexpr std::string_view kLineBreak = "\r\n";

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

}  // namespace textmend::detail
