#pragma once

#include <functional>

namespace textmend {

// Runs handler on the event loop's thread when the program is asked to end by
// SIGTERM, SIGINT or SIGHUP (a session that logs out, a service manager), so
// that it shuts down as if its window had been closed.
void OnTerminationRequest(std::function<void()> handler);

}  // namespace textmend
