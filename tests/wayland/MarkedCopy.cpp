// Copies its argument as a password manager does, with the mark that asks
// clipboard watchers to leave it alone, and serves it until it is ended.
// Says "owning" once the compositor has made it the selection.

#include <unistd.h>

#include <iostream>

#include "engine/StepError.h"
#include "wayland/WaylandClipboardClient.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " TEXT\n";
        return 2;
    }
    try {
        textmend::WaylandClipboardClient client;
        client.Write(argv[1], true);
        std::cout << "owning" << std::endl;
        pause();
    } catch (const textmend::StepError& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
