#pragma once

#include <memory>

#include "engine/WordList.h"

namespace textmend {

// The system's spell checkers (Windows 8 and later) for the user's preferred
// languages and English, as the word list Join split words consults; null where
// the system offers none of them. Call on the window's thread: it joins COM's
// single-threaded apartment there for as long as the program runs.
std::unique_ptr<WordList> SystemDictionaries();

}  // namespace textmend
