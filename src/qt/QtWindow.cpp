#include "qt/QtWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cerrno>

#include "engine/SystemError.h"
#include "qt/Twips.h"

namespace textmend {
namespace {

// The window manager's frame around the last window that was on screen. A
// window not yet shown has no frame of its own to measure; its frame will be
// like the others', which is what centring it needs.
QMargins& KnownFrame() {
    static QMargins frame;
    return frame;
}

void RememberFrame(const QWidget* widget) {
    if (!widget->isVisible()) {
        return;
    }
    const QRect outer = widget->frameGeometry();
    const QRect inner = widget->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!frame.isNull()) {
        KnownFrame() = frame;
    }
}

}  // namespace

QtWindow::QtWindow(QWidget* widget, std::function<void()> repaint)
    : widget_(widget), repaint_(std::move(repaint)) {
    widget_->installEventFilter(this);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (watched == widget_ && moved && placedUnseen_ && widget_->isVisible()) {
        const QRect outer = widget_->frameGeometry();
        if (outer != widget_->geometry()) {
            const QPoint centre = placedUnseen_->centre;
            placedUnseen_.reset();
            RememberFrame(widget_);
            widget_->move(centre - QPoint(outer.width() / 2, outer.height() / 2));
        }
    }
    return QObject::eventFilter(watched, event);
}

void QtWindow::Show() {
    // A window hidden while minimized keeps the window manager's minimized mark
    // on its native window, and would come back minimized (and hide again). A
    // window that is to come back normal gets a fresh native window instead.
    if (hiddenWhileMinimized_ && !widget_->isVisible() && !widget_->isMinimized() &&
        widget_->windowHandle() != nullptr) {
        widget_->windowHandle()->destroy();
    }
    hiddenWhileMinimized_ = false;
    widget_->show();
    // A minimized window comes back as an ordinary minimized window; bringing it
    // to the front would restore it.
    if (!widget_->isMinimized()) {
        widget_->raise();
        widget_->activateWindow();
    }
    RememberFrame(widget_);
}

void QtWindow::Hide() {
    RememberFrame(widget_);
    hiddenWhileMinimized_ = hiddenWhileMinimized_ || widget_->isMinimized();
    widget_->hide();
}

void QtWindow::SetState(WindowState state) {
    Qt::WindowStates states = widget_->windowState();
    if (state == WindowState::Minimized) {
        states |= Qt::WindowMinimized;
    } else {
        states &= ~Qt::WindowMinimized;
    }
    widget_->setWindowState(states);
}

void QtWindow::SetForeground() {
    if (widget_->isVisible()) {
        widget_->raise();
        widget_->activateWindow();
    }
}

void QtWindow::Move(double leftTwips, double topTwips) {
    // The compositor places a Wayland client's windows and never says where: a
    // position asked for would only be believed by the toolkit.
    if (QGuiApplication::platformName() == "wayland") {
        throw SystemError(ENOTSUP);
    }
    const QPoint topLeft(ToPixels(leftTwips), ToPixels(topTwips));
    if (widget_->isVisible()) {
        placedUnseen_.reset();
    } else {
        const QSize outer = widget_->size().grownBy(KnownFrame());
        placedUnseen_ = Placement{topLeft + QPoint(outer.width() / 2, outer.height() / 2)};
    }
    widget_->move(topLeft);
}

TwipSize QtWindow::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize size = screen->geometry().size();
    return {ToTwips(size.width()), ToTwips(size.height())};
}

TwipSize QtWindow::OuterSize() {
    RememberFrame(widget_);
    QSize size = widget_->isVisible() ? widget_->frameGeometry().size()
                                      : widget_->size().grownBy(KnownFrame());
    return {ToTwips(size.width()), ToTwips(size.height())};
}

void QtWindow::Repaint() {
    repaint_();
    widget_->repaint();
}

}  // namespace textmend
