#pragma once

#include <string>

#include "engine/StepError.h"

namespace textmend {

// A modal message box with an OK button only and no icon; returns once it is closed.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual void Show(const std::string& text, const std::string& title) = 0;
};

// The platform's default alert sound.
class BeepPort {
  public:
    virtual ~BeepPort() = default;
    virtual void Beep() = 0;
};

// A short notice that takes no focus: a desktop notification, or the tray
// icon's balloon where the desktop shows none.
class NoticePort {
  public:
    virtual ~NoticePort() = default;
    virtual void Notify(const std::string& text) = 0;
};

}  // namespace textmend
