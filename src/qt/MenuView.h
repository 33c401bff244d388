#pragma once

#include <QJsonObject>
#include <QMenu>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "forms/Form.h"

class QAction;
class QMenuBar;

namespace textmend {

// A menu that says when it has opened or closed, so the tests' view of the
// screen can follow it.
class WatchedMenu : public QMenu {
  public:
    using QMenu::QMenu;
    std::function<void()> onShownOrHidden;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

// The menus of one window, built from its layout table: the menu bar with every
// top-level menu but the popup, and the popup mnu_1 on its own. Items carry
// their check marks and enabled states from the form.
class MenuView {
  public:
    static constexpr std::string_view kPopupName = "mnu_1";

    MenuView(const FormDef& layout, QMenuBar* menuBar);

    // Choices of items, in the menu bar and in the popup alike.
    void OnChoose(std::function<void(std::string_view name)> handler) {
        onChoose_ = std::move(handler);
    }
    // Called whenever one of the menus opens or closes.
    void OnShownOrHidden(std::function<void()> handler);
    // Called with a menu's name just before it opens.
    void OnOpening(std::function<void(std::string_view name)> handler);

    void Render(const Form& form);
    // Opens the popup at pos; returns once it has closed, after a choice has
    // been reported.
    void ExecPopup(const QPoint& pos);

    QJsonObject Describe() const;

  private:
    void Add(const ControlDef& spec);

    const FormDef& layout_;
    QMenuBar* menuBar_;
    WatchedMenu* popup_;
    std::map<std::string, WatchedMenu*, std::less<>> menus_;
    std::map<std::string, QAction*, std::less<>> actions_;
    std::function<void(std::string_view)> onChoose_;
};

}  // namespace textmend
