#include "win32/Win32Dictionary.h"

#include <windows.h>
// after windows.h, which they need
#include <objbase.h>
#include <spellcheck.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "win32/Utf.h"

namespace textmend {
namespace {

template <class Interface>
struct Released {
    void operator()(Interface* object) const { object->Release(); }
};
template <class Interface>
using ComPtr = std::unique_ptr<Interface, Released<Interface>>;

// The user's preferred languages by name ("de-DE"), English last.
std::vector<std::wstring> PreferredLanguages() {
    std::vector<std::wstring> languages;
    ULONG count = 0;
    ULONG size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        std::wstring names(size, L'\0');
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
            for (const wchar_t* name = names.c_str(); *name != L'\0';
                 name += std::wcslen(name) + 1) {
                languages.emplace_back(name);
            }
        }
    }
    languages.emplace_back(L"en-US");
    return languages;
}

class SpellCheckerWordList : public WordList {
  public:
    explicit SpellCheckerWordList(std::vector<ComPtr<ISpellChecker>> checkers)
        : checkers_(std::move(checkers)) {}

    // A word is known when a checker finds no error in it.
    bool Known(std::string_view word) const override {
        const std::wstring wide = Utf8ToWide(word);
        for (const ComPtr<ISpellChecker>& checker : checkers_) {
            IEnumSpellingError* found = nullptr;
            if (FAILED(checker->Check(wide.c_str(), &found)) || found == nullptr) {
                continue;
            }
            const ComPtr<IEnumSpellingError> errors(found);
            ISpellingError* first = nullptr;
            const bool clean = errors->Next(&first) == S_FALSE;
            if (first != nullptr) {
                first->Release();
            }
            if (clean) {
                return true;
            }
        }
        return false;
    }

  private:
    std::vector<ComPtr<ISpellChecker>> checkers_;
};

}  // namespace

std::unique_ptr<WordList> SystemDictionaries() {
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) {
        return nullptr;
    }
    ISpellCheckerFactory* made = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(SpellCheckerFactory), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(ISpellCheckerFactory), reinterpret_cast<void**>(&made))) ||
        made == nullptr) {
        return nullptr;
    }
    const ComPtr<ISpellCheckerFactory> factory(made);
    std::vector<ComPtr<ISpellChecker>> checkers;
    std::vector<std::wstring> opened;
    for (const std::wstring& language : PreferredLanguages()) {
        BOOL supported = FALSE;
        if (std::find(opened.begin(), opened.end(), language) != opened.end() ||
            FAILED(factory->IsSupported(language.c_str(), &supported)) || !supported) {
            continue;
        }
        ISpellChecker* checker = nullptr;
        if (SUCCEEDED(factory->CreateSpellChecker(language.c_str(), &checker)) &&
            checker != nullptr) {
            checkers.emplace_back(checker);
            opened.push_back(language);
        }
    }
    if (checkers.empty()) {
        return nullptr;
    }
    return std::make_unique<SpellCheckerWordList>(std::move(checkers));
}

}  // namespace textmend
