#pragma once

#include <QMargins>
#include <functional>

#include "ui/Ports.h"

class QWidget;

namespace textmend {

// A top-level widget as the core sees a window, in twips.
class QtWindow : public WindowPort {
  public:
    // repaint brings the window's widgets up to date with its form.
    QtWindow(QWidget* widget, std::function<void()> repaint);

    std::uintptr_t Handle() override;
    void Show() override;
    void Hide() override;
    void SetState(WindowState state) override;
    void SetForeground() override;
    void Move(double leftTwips, double topTwips) override;
    TwipSize ScreenSize() override;
    TwipSize OuterSize() override;
    void Repaint() override;

  private:
    QWidget* widget_;
    std::function<void()> repaint_;
};

}  // namespace textmend
