#pragma once

// Where the settings live in the INI file: the registry-style key path and value
// name become one slash-separated key, "Software\Textmend\upper" + "String" being
// "Software/Textmend/upper/String".

#include <string>

namespace textmend {

std::string IniKey(const std::string& keyPath, const std::string& valueName);

}  // namespace textmend
