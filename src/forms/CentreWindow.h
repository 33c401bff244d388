#pragma once

#include "ports/WindowPort.h"

namespace textmend {

// Moves the window to the middle of the screen by its outer size, in twips and
// without rounding, so the position may end in a half twip. Where the platform
// does not let programs place their windows, the window stays where it put it.
void CentreWindow(WindowPort& window);

}  // namespace textmend
