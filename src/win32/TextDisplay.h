#pragma once

// Text as the native text box and labels show it.

#include <string>

namespace textmend {

// Every lone CR becomes CR LF: the engine counts a lone CR as a line break, the
// native controls break lines at CR LF only.
std::string DisplayLineBreaks(const std::string& text);

}  // namespace textmend
