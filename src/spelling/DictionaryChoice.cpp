#include "spelling/DictionaryChoice.h"

#include <algorithm>

namespace textmend {
namespace {

// "de_DE.UTF-8@euro" as "de_DE"; empty for the C locale.
std::string_view LocaleName(std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    return tag == "C" || tag == "POSIX" ? std::string_view{} : tag;
}

void AddOnce(std::vector<std::string>& chosen, const std::string& name) {
    if (std::find(chosen.begin(), chosen.end(), name) == chosen.end()) {
        chosen.push_back(name);
    }
}

void AddLanguage(std::string_view tag, const std::vector<std::string>& installed,
                 std::vector<std::string>& chosen) {
    tag = LocaleName(tag);
    if (tag.empty()) {
        return;
    }
    if (std::find(installed.begin(), installed.end(), tag) != installed.end()) {
        AddOnce(chosen, std::string(tag));
        return;
    }
    const std::string language(tag.substr(0, tag.find('_')));
    for (const std::string& name : installed) {
        if (name == language || name.starts_with(language + "_")) {
            AddOnce(chosen, name);
        }
    }
}

}  // namespace

std::vector<std::string> ChooseDictionaries(std::string_view languageList, std::string_view lang,
                                            const std::vector<std::string>& installed) {
    std::vector<std::string> sorted = installed;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> chosen;
    while (!languageList.empty()) {
        const std::size_t colon = languageList.find(':');
        AddLanguage(languageList.substr(0, colon), sorted, chosen);
        languageList =
            colon == std::string_view::npos ? std::string_view{} : languageList.substr(colon + 1);
    }
    AddLanguage(lang, sorted, chosen);
    AddLanguage("en_US", sorted, chosen);
    return chosen;
}

}  // namespace textmend
