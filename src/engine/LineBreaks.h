#pragma once

#include <string>
#include <string_view>

namespace textmend {

// Conversions between the engine's line breaks (CR LF or a lone CR; a lone LF is an
// ordinary character) and those of the places text comes from and goes to.

// Unix text into the engine's form: every LF that does not follow a CR becomes CR LF.
// Works in the text's own storage, grown when it has no room for the CRs.
std::string ToEngineLineBreaks(std::string text);

// The engine's form back into Unix text: every CR LF becomes LF; a lone CR stays. Works
// in the text's own storage.
std::string ToUnixLineBreaks(std::string text);

// For widgets that break lines at LF only: every CR LF and every lone CR becomes LF.
std::string ToLfLineBreaks(std::string_view text);

// For controls that break lines at CR LF only: every lone CR becomes CR LF.
std::string ToCrLfLineBreaks(std::string_view text);

}  // namespace textmend
