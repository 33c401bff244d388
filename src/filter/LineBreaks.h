#pragma once

#include <string>
#include <string_view>

namespace textmend {

// Unix text into the engine's form: every LF that does not follow a CR becomes CR LF.
std::string ToEngineLineBreaks(std::string_view text);

// The engine's form back into Unix text: every CR LF becomes LF; a lone CR stays.
std::string ToUnixLineBreaks(std::string_view text);

}  // namespace textmend
