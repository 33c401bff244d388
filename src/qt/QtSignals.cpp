#include "qt/QtSignals.h"

#include <QSocketNotifier>

#include "posix/TerminationSignals.h"

namespace textmend {

void OnTerminationRequest(std::function<void()> handler) {
    const int socket = WatchTerminationSignals();
    if (socket < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(socket, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [socket, handler = std::move(handler)] {
        TakeTerminationSignal(socket);
        handler();
    });
}

}  // namespace textmend
