#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "ports/WindowPort.h"

class QWidget;

namespace textmend {

// A top-level widget as the core sees a window, in twips.
//
// The window manager's frame is only known once a window is on screen. A window
// placed before it was first shown is placed by a guessed frame; as soon as the
// real frame is known, the window is moved so that its centre stays where the
// guess put it, which is what centring it asked for.
class QtWindow : public QObject, public WindowPort {
  public:
    // repaint brings the window's widgets up to date with its form.
    QtWindow(QWidget* widget, std::function<void()> repaint);

    void Show() override;
    void Hide() override;
    void SetState(WindowState state) override;
    void SetForeground() override;
    void Move(double leftTwips, double topTwips) override;
    TwipSize ScreenSize() override;
    TwipSize OuterSize() override;
    void Repaint() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Placement {
        QPoint centre;  // pixels
    };

    QWidget* widget_;
    std::function<void()> repaint_;
    std::optional<Placement> placedUnseen_;
    bool hiddenWhileMinimized_ = false;
};

}  // namespace textmend
