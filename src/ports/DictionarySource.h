#pragma once

#include <functional>
#include <memory>

#include "engine/WordList.h"

namespace textmend {

// Opens the dictionaries of the user's languages that Join split words consults.
// The program asks once, the first time the step runs; null (or an empty source)
// means the system has none and the step joins by its plain rule. May throw
// StepError, which counts as none.
using DictionarySource = std::function<std::unique_ptr<WordList>()>;

}  // namespace textmend
