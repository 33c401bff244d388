#pragma once

// A form's menus: one popup menu per top-level menu of the layout, the menu bar
// holding those the form shows there, and the items' marks and enabled states.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "win32/JsonText.h"

namespace textmend {

// Controls and menu items share one range of identifiers: the first id plus the
// entry's position in the layout table.
inline constexpr UINT kFirstControlId = 100;

class FormMenus {
  public:
    FormMenus() = default;
    ~FormMenus();
    FormMenus(const FormMenus&) = delete;
    FormMenus& operator=(const FormMenus&) = delete;

    void Build(const FormDef& layout);
    bool Empty() const { return menus_.empty(); }
    HMENU Bar() const { return bar_; }
    // The popup of the top-level menu named menuName; nullptr when there is none.
    HMENU Popup(std::string_view menuName) const;

    // Sets every item's mark and enabled state and puts the visible top-level
    // menus in the bar. Returns true when the bar's set of menus changed.
    bool Sync(const Form& form);

    // Which menus are open right now, as the menu loop reports them. SetOpen
    // returns the layout name of the top-level menu, empty for any other.
    std::string_view SetOpen(HMENU menu, bool open);
    void CloseAll();
    // The menus for the widget probe: open state, title box in the bar, and
    // each item's mark, enabled state, text and (while open) box. owner: the window.
    JsonObject Describe(HWND owner) const;

  private:
    struct TopMenu {
        std::string name;
        std::wstring caption;
        HMENU popup;
        bool inBar;
        bool open;
    };
    struct Item {
        std::string name;
        HMENU menu;
        UINT id;
        int position;  // separators count
    };

    HMENU bar_ = nullptr;
    std::vector<TopMenu> menus_;
    std::vector<Item> items_;
};

}  // namespace textmend
