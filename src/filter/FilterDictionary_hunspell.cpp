#include "filter/FilterDictionary.h"
#include "spelling/HunspellWordList.h"

namespace textmend {

std::unique_ptr<WordList> FilterDictionary() {
    return UserDictionaries();
}

}  // namespace textmend
