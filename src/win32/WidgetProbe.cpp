#include "win32/WidgetProbe.h"

namespace textmend {

WidgetProbe::WidgetProbe() {
    const DWORD length = GetEnvironmentVariableW(L"TEXTMEND_WIDGET_STATE", nullptr, 0);
    if (length > 1) {
        path_.resize(length);
        path_.resize(GetEnvironmentVariableW(L"TEXTMEND_WIDGET_STATE", path_.data(), length));
    }
}

void WidgetProbe::Set(const std::string& section, const JsonObject& content) {
    if (!Enabled()) {
        return;
    }
    std::string text = content.Text();
    auto found = sections_.find(section);
    if (found != sections_.end() && found->second == text) {
        return;
    }
    sections_[section] = std::move(text);
    Write();
}

void WidgetProbe::Remove(const std::string& section) {
    if (Enabled() && sections_.erase(section) > 0) {
        Write();
    }
}

void WidgetProbe::Write() {
    JsonObject all;
    for (const auto& [section, text] : sections_) {
        all.AddRaw(section, text);
    }
    const std::string text = all.Text();
    // Written whole and renamed into place, so a reader never sees half a file.
    const std::wstring partial = path_ + L".partial";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    if (ok && written == text.size()) {
        MoveFileExW(partial.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

JsonObject JsonBox(const RECT& rect) {
    return JsonObject()
        .Add("x", static_cast<int>(rect.left))
        .Add("y", static_cast<int>(rect.top))
        .Add("width", static_cast<int>(rect.right - rect.left))
        .Add("height", static_cast<int>(rect.bottom - rect.top));
}

}  // namespace textmend
