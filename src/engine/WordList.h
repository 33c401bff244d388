#pragma once

#include <string_view>

namespace textmend {

// The words a dictionary knows, for the steps that look words up (Join split words).
// Known may throw StepError; the step that asked then fails and leaves its text as it was.
class WordList {
  public:
    virtual ~WordList() = default;
    // Whether word (UTF-8, letters only) is spelt right in any of the list's languages.
    virtual bool Known(std::string_view word) const = 0;
};

}  // namespace textmend
