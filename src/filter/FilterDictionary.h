#pragma once

#include <memory>

#include "engine/WordList.h"

namespace textmend {

// The dictionary Join split words consults unless --no-dictionary is given; null where
// the platform offers none.
std::unique_ptr<WordList> FilterDictionary();

}  // namespace textmend
