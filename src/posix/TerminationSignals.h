#pragma once

namespace textmend {

// SIGTERM, SIGINT and SIGHUP (a session that logs out, a service manager) turned
// into a byte on a socket, so that an event loop answers them on its own thread.
// Returns the socket to watch for reading, or -1 when none could be made (the
// signals then keep their default action).
int WatchTerminationSignals();

// Reads the byte one signal left on socket; called when it is readable.
void TakeTerminationSignal(int socket);

}  // namespace textmend
