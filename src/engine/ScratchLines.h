#pragma once

#include <string>
#include <string_view>

#include "engine/ByteFinder.h"
#include "engine/LinePass.h"
#include "engine/ScratchFile.h"
#include "engine/SystemError.h"

namespace textmend::detail {

// The line pass's source: the text and a CR LF written to a scratch file of its own,
// then read back in one piece and handed out line by line.
class ScratchLines {
  public:
    // Throws StepError when no folder can take the file or a file step fails, a file
    // that gives back less than was written to it included.
    ScratchLines(const std::string& temp, const ScratchFolders& folders) : file_(folders) {
        file_.Write(temp);
        file_.Write(kLineBreak);
        contents_ = file_.ReadBack(temp.size() + kLineBreak.size());
        if (contents_.size() != temp.size() + kLineBreak.size()) {
            throw ShortReadError();
        }
    }

    // The bytes read back: the text, then a CR LF.
    std::string_view contents() const { return contents_; }
    // The size of the text alone.
    std::size_t textSize() const { return contents_.size() - kLineBreak.size(); }

    // Hands each line to step, in order, as step(line, next): the line as a view into
    // contents() and where the line after it begins. A line ends at a CR, and an LF
    // right after that CR belongs to the break; a lone LF stays inside its line.
    template <class Step>
    void ForEachLine(Step&& step) const {
        const char* const data = contents_.data();
        const std::size_t size = contents_.size();
        ByteFinder<1> breaks(data, size, {'\r'});
        std::size_t start = 0;
        while (start < size) {
            const std::size_t end = breaks.Next(start);
            if (end == size) {
                step(std::string_view(data + start, size - start), size);
                return;
            }
            std::size_t next = end + 1;
            if (next < size && data[next] == '\n') {
                ++next;
            }
            step(std::string_view(data + start, end - start), next);
            start = next;
        }
    }

    // Deletes the file, throwing StepError when that fails. contents() stays readable.
    void Remove() { file_.Remove(); }

    // Gives text back the bytes this was made from. Needs no memory when text's storage
    // has held them before, so it cannot fail on the way out of a failed step.
    void RestoreInto(std::string& text) const { text.assign(contents_.substr(0, textSize())); }

  private:
    static constexpr std::string_view kLineBreak = "\r\n";

    ScratchFile file_;
    std::string_view contents_;
};

}  // namespace textmend::detail
