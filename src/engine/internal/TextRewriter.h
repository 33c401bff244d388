#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace textmend::internal {

// Rewrites a text from front to back into target, which may be the text's own storage:
// the bytes of the source before read() are dealt with, the result so far is the
// target's first written() bytes. A step that never writes more than it has read never
// overtakes what is still to be read, so it can work in place.
class TextRewriter {
  public:
    TextRewriter(const char* source, char* target) : source_(source), target_(target) {}

    // Keeps the source's bytes up to end as they are.
    void KeepUpTo(std::size_t end) {
        if (target_ + written_ != source_ + read_) {
            std::memmove(target_ + written_, source_ + read_, end - read_);
        }
        written_ += end - read_;
        read_ = end;
    }

    // Leaves out the source's bytes up to end.
    void SkipTo(std::size_t end) { read_ = end; }

    // Writes bytes in place of some just left out, no more than those.
    void Put(std::string_view bytes) {
        std::memcpy(target_ + written_, bytes.data(), bytes.size());
        written_ += bytes.size();
    }

    // Takes back the result's bytes from end on.
    void CutBackTo(std::size_t end) { written_ = end; }

    std::size_t read() const { return read_; }
    std::size_t written() const { return written_; }
    const char* target() const { return target_; }

  private:
    const char* source_;
    char* target_;
    std::size_t read_ = 0;
    std::size_t written_ = 0;
};

// The spaces and tabs in front of end in text.
inline std::size_t StartOfBlanksBefore(const char* text, std::size_t end) {
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
        --end;
    }
    return end;
}

// The spaces and tabs from pos on in text.
inline std::size_t EndOfBlanksAt(std::string_view text, std::size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

}  // namespace textmend::internal
