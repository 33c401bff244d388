#include "win32/FormMenus.h"

#include "win32/Utf.h"

namespace textmend {

FormMenus::~FormMenus() {
    // Detach the popups first, so each is destroyed exactly once.
    if (bar_ != nullptr) {
        while (GetMenuItemCount(bar_) > 0) {
            RemoveMenu(bar_, 0, MF_BYPOSITION);
        }
        DestroyMenu(bar_);
    }
    for (const TopMenu& menu : menus_) {
        DestroyMenu(menu.popup);
    }
}

void FormMenus::Build(const FormSpec& layout) {
    UINT id = kFirstControlId;
    for (const ControlSpec& spec : layout.controls) {
        if (spec.kind == ControlKind::Menu) {
            menus_.push_back(
                {std::string(spec.name), Utf8ToWide(spec.caption), CreatePopupMenu(), false});
        } else if (spec.kind == ControlKind::MenuItem || spec.kind == ControlKind::Separator) {
            HMENU parent = Popup(spec.parent);
            if (parent != nullptr) {
                if (spec.kind == ControlKind::Separator) {
                    AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
                } else {
                    AppendMenuW(parent, MF_STRING, id, Utf8ToWide(spec.caption).c_str());
                    items_.push_back({std::string(spec.name), parent, id});
                }
            }
        }
        ++id;
    }
    if (!menus_.empty()) {
        bar_ = CreateMenu();
    }
}

HMENU FormMenus::Popup(std::string_view menuName) const {
    for (const TopMenu& menu : menus_) {
        if (menu.name == menuName) {
            return menu.popup;
        }
    }
    return nullptr;
}

bool FormMenus::Sync(const Form& form) {
    for (const Item& item : items_) {
        const ControlState* state = form.Control(item.name);
        if (state == nullptr) {
            continue;
        }
        CheckMenuItem(item.menu, item.id,
                      MF_BYCOMMAND | (state->value != 0 ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(item.menu, item.id,
                       MF_BYCOMMAND | (state->enabled ? MF_ENABLED : MF_GRAYED));
    }

    bool changed = false;
    for (TopMenu& menu : menus_) {
        const ControlState* state = form.Control(menu.name);
        const bool wanted = state == nullptr || state->visible;
        changed = changed || wanted != menu.inBar;
        menu.inBar = wanted;
    }
    if (changed) {
        while (GetMenuItemCount(bar_) > 0) {
            RemoveMenu(bar_, 0, MF_BYPOSITION);
        }
        for (const TopMenu& menu : menus_) {
            if (menu.inBar) {
                AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu.popup),
                            menu.caption.c_str());
            }
        }
    }
    return changed;
}

}  // namespace textmend
