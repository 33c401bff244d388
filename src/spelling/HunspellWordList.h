#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/WordList.h"

class Hunspell;

namespace textmend {

// A word is known when any of the loaded dictionaries spells it so.
class HunspellWordList : public WordList {
  public:
    // Loads folder/<name>.aff and .dic for each name; a dictionary that is missing or not
    // in UTF-8 is left out.
    HunspellWordList(const std::filesystem::path& folder, const std::vector<std::string>& names);
    ~HunspellWordList() override;

    bool Known(std::string_view word) const override;
    bool empty() const { return dictionaries_.empty(); }

  private:
    std::vector<std::unique_ptr<Hunspell>> dictionaries_;
};

// The Hunspell dictionaries of the user's languages and English from the system's
// folder; null when none of them is installed.
std::unique_ptr<WordList> UserDictionaries();

}  // namespace textmend
