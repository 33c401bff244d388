#pragma once

// Just enough JSON for the widget probe: objects of numbers, truth values,
// texts and further objects, written in the order they are added.

#include <string>
#include <string_view>

namespace textmend {

class JsonObject {
  public:
    JsonObject& Add(std::string_view key, int value);
    JsonObject& Add(std::string_view key, bool value);
    JsonObject& Add(std::string_view key, std::string_view text);
    JsonObject& Add(std::string_view key, const char* text) {
        return Add(key, std::string_view(text));
    }
    JsonObject& Add(std::string_view key, const JsonObject& object);
    // A member whose value is already JSON text.
    JsonObject& AddRaw(std::string_view key, std::string_view json);
    std::string Text() const { return "{" + body_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string body_;
};

// text as a JSON string literal, quotes included; text is UTF-8.
std::string JsonString(std::string_view text);

}  // namespace textmend
