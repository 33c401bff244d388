// Drives XdgAutostart from the command line for the package tests:
//   xdg_autostart_tool enable PROGRAM    writes the entry that starts PROGRAM
//   xdg_autostart_tool disable PROGRAM   removes it
//   xdg_autostart_tool status PROGRAM    prints "enabled" or "disabled"
// The entry goes under $XDG_CONFIG_HOME/autostart, as the program's own would.

#include <iostream>
#include <string_view>

#include "engine/StepError.h"
#include "posix/XdgAutostart.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: xdg_autostart_tool enable|disable|status PROGRAM\n";
        return 2;
    }
    const std::string_view command = argv[1];
    textmend::XdgAutostart autostart(argv[2]);
    try {
        if (command == "enable") {
            autostart.Enable();
            std::cout << autostart.EntryPath() << '\n';
        } else if (command == "disable") {
            autostart.Disable();
        } else if (command == "status") {
            std::cout << (autostart.IsEnabled() ? "enabled" : "disabled") << '\n';
        } else {
            std::cerr << "unknown command: " << command << '\n';
            return 2;
        }
    } catch (const textmend::StepError& error) {
        std::cerr << textmend::FormatErrorMessage(error.number(), error.description()) << '\n';
        return 1;
    }
    return 0;
}
