#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace textmend {

// The installed dictionaries (by name, "en_US") for the user's languages, in order:
// those LANGUAGE lists (ll or ll_CC, colon-separated), then LANG's ("de_DE.UTF-8"),
// then English. A language given without a country takes every installed dictionary
// of it; so does a country that has none of its own.
std::vector<std::string> ChooseDictionaries(std::string_view languageList, std::string_view lang,
                                            const std::vector<std::string>& installed);

}  // namespace textmend
