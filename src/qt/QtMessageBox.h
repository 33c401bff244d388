#pragma once

#include <functional>

#include "ui/Ports.h"

class QWidget;

namespace textmend {

// A modal message box: the text, the given title, an OK button and no icon.
class QtMessageBox : public MessageBoxPort {
  public:
    // parent() gives the window the box belongs to, or nullptr when it is hidden.
    explicit QtMessageBox(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    void Show(const std::string& text, const std::string& title) override;

  private:
    std::function<QWidget*()> parent_;
};

class QtBeep : public BeepPort {
  public:
    void Beep() override;
};

}  // namespace textmend
