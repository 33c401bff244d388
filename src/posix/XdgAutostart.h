#pragma once

// Starting the program when the user signs in to a desktop session: the XDG
// autostart entry $XDG_CONFIG_HOME/autostart/textmend.desktop, which every
// session that follows the XDG Autostart standard runs at sign-in.
//
// The entry counts as enabled when it exists and the user has not switched it
// off (Hidden=true, or X-GNOME-Autostart-enabled=false as session settings
// write it). Where its Exec points is not checked: an entry written by another
// copy of the program still starts Textmend. Enable always writes this
// program's own entry, so it also repairs one that points elsewhere.
// Failures throw StepError with errno and its text.

#include <string>
#include <string_view>

#include "ports/AutostartPort.h"

namespace textmend {

class XdgAutostart : public AutostartPort {
  public:
    // program: the absolute path the entry starts, normally the running program's.
    // configHome: the folder holding autostart/, normally ConfigHome().
    XdgAutostart(std::string program, const std::string& configHome);
    explicit XdgAutostart(std::string program);

    bool IsEnabled() override;
    // Writes the entry (atomically: a temporary file renamed over it), creating
    // the folders it needs.
    void Enable() override;
    // Removes the entry; nothing to remove is no failure.
    void Disable() override;

    const std::string& EntryPath() const { return entryPath_; }

  private:
    std::string program_;
    std::string autostartFolder_;
    std::string entryPath_;
};

// The Exec value that starts program with no arguments, quoted and escaped as a
// desktop entry's Exec key needs it.
std::string ExecValueFor(std::string_view program);

}  // namespace textmend
