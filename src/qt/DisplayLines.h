#pragma once

#include <string>
#include <string_view>

namespace textmend {

// Every CR LF and every lone CR becomes LF, for widgets that break lines at LF
// (the program's texts break lines with CR LF or a lone CR).
std::string ToDisplayLines(std::string_view text);

}  // namespace textmend
