#pragma once

// Starting the program when the user signs in to Windows: the value "Textmend"
// under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, holding
// the quoted path of the program. The installer's "Start Textmend when I sign in"
// writes the same value.
//
// The value counts as enabled when it exists and the user has not switched it
// off in the system's list of startup apps (an odd first byte of the value
// "Textmend" under ...\Explorer\StartupApproved\Run). Where the value points is
// not checked: an installed copy that starts at sign-in is still Textmend
// starting. Enable always writes this program's own path and clears the
// switched-off mark, so it also repairs a value that points elsewhere.
// Failures throw StepError with the system's code and its text.

#include <string>

#include "ports/AutostartPort.h"

namespace textmend {

class Win32Autostart : public AutostartPort {
  public:
    // program: the full path of the .exe the value starts.
    explicit Win32Autostart(std::wstring program);
    // The running .exe (RunningExePath), looked up when the value is written.
    Win32Autostart();

    bool IsEnabled() override;
    void Enable() override;
    // Removes the value; nothing to remove is no failure.
    void Disable() override;

  private:
    std::wstring program_;
};

// The full path of the running .exe (GetModuleFileNameW).
std::wstring RunningExePath();

}  // namespace textmend
