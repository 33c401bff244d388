#include "filter/FilterDictionary.h"

namespace textmend {

std::unique_ptr<WordList> FilterDictionary() {
    return nullptr;
}

}  // namespace textmend
