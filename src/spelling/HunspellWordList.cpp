#include "spelling/HunspellWordList.h"

#include <hunspell.hxx>

#include <cstdlib>
#include <system_error>

#include "spelling/DictionaryChoice.h"

namespace textmend {
namespace {

const std::filesystem::path kSystemFolder = "/usr/share/hunspell";

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The dictionaries in folder that have both of their files, by name.
std::vector<std::string> InstalledIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == ".dic" &&
            std::filesystem::exists(std::filesystem::path(path).replace_extension(".aff"), error)) {
            names.push_back(path.stem().string());
        }
    }
    return names;
}

}  // namespace

HunspellWordList::HunspellWordList(const std::filesystem::path& folder,
                                   const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string aff = (folder / (name + ".aff")).string();
        const std::string dic = (folder / (name + ".dic")).string();
        std::error_code error;
        if (!std::filesystem::exists(aff, error) || !std::filesystem::exists(dic, error)) {
            continue;
        }
        auto dictionary = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
        if (dictionary->get_dict_encoding() == "UTF-8") {
            dictionaries_.push_back(std::move(dictionary));
        }
    }
}

HunspellWordList::~HunspellWordList() = default;

bool HunspellWordList::Known(std::string_view word) const {
    const std::string text(word);
    for (const auto& dictionary : dictionaries_) {
        if (dictionary->spell(text)) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<WordList> UserDictionaries() {
    auto words = std::make_unique<HunspellWordList>(
        kSystemFolder, ChooseDictionaries(Environment("LANGUAGE"), Environment("LANG"),
                                          InstalledIn(kSystemFolder)));
    if (words->empty()) {
        return nullptr;
    }
    return words;
}

}  // namespace textmend
