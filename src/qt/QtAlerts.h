#pragma once

#include <functional>

#include "ports/AlertPorts.h"

class QWidget;

namespace textmend {

class WidgetProbe;

// A modal message box: the text, the given title, an OK button and no icon.
class QtMessageBox : public MessageBoxPort {
  public:
    // parent() gives the window the box belongs to, or nullptr when it is hidden.
    // The box is described to probe while it is open.
    QtMessageBox(std::function<QWidget*()> parent, WidgetProbe& probe)
        : parent_(std::move(parent)), probe_(probe) {}
    void Show(const std::string& text, const std::string& title) override;

  private:
    std::function<QWidget*()> parent_;
    WidgetProbe& probe_;
};

class QtBeep : public BeepPort {
  public:
    void Beep() override;
};

}  // namespace textmend
