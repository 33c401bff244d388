#pragma once

#include <optional>

namespace textmend {

// A run of the program that tells whoever started it how it ended and goes on
// by itself. On X11 the clipboard's content lives in the program that put it
// there, so a run that cleaned the clipboard stays to hand its text out until
// another program copies something, while the command that started it has
// already exited with the run's status.
//
// Begin forks; it must be called before the program starts any thread. In the
// starting process it waits for the run's status and returns it, to exit with
// (-1 when the run ended without one); in the run it returns nothing.
std::optional<int> BeginDetachedRun();

// In the run: hands status to the starting process, which exits with it, and
// lets go of the standard streams (whoever reads them sees them end). Later
// calls do nothing.
void ReportDetachedRun(int status);

}  // namespace textmend
