#pragma once

#include "ports/WindowPort.h"

namespace textmend {

// Moves the window to the middle of the screen by its outer size, in twips and
// without rounding, so the position may end in a half twip.
void CentreWindow(WindowPort& window);

}  // namespace textmend
