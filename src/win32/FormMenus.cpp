#include "win32/FormMenus.h"

#include "win32/Utf.h"
#include "win32/WidgetProbe.h"

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

void FormMenus::Build(const FormDef& layout) {
    UINT id = kFirstControlId;
    for (const ControlDef& spec : layout.controls) {
        if (spec.kind == ControlKind::Menu) {
            menus_.push_back({std::string(spec.name), Utf8ToWide(spec.caption), CreatePopupMenu(),
                              false, false});
        } else if (spec.kind == ControlKind::MenuItem || spec.kind == ControlKind::Separator) {
            HMENU parent = Popup(spec.parent);
            if (parent != nullptr) {
                const int position = GetMenuItemCount(parent);
                if (spec.kind == ControlKind::Separator) {
                    AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
                } else {
                    AppendMenuW(parent, MF_STRING, id, Utf8ToWide(spec.caption).c_str());
                    items_.push_back({std::string(spec.name), parent, id, position});
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

namespace textmend {

std::string_view FormMenus::SetOpen(HMENU menu, bool open) {
    for (TopMenu& top : menus_) {
        if (top.popup == menu) {
            top.open = open;
            return top.name;
        }
    }
    return {};
}

void FormMenus::CloseAll() {
    for (TopMenu& top : menus_) {
        top.open = false;
    }
}

JsonObject FormMenus::Describe(HWND owner) const {
    JsonObject all;
    int barPosition = 0;
    for (const TopMenu& top : menus_) {
        JsonObject menu;
        menu.Add("open", top.open);
        if (top.inBar) {
            RECT title{};
            if (GetMenuItemRect(owner, bar_, static_cast<UINT>(barPosition), &title)) {
                menu.Add("title", JsonBox(title));
            }
            ++barPosition;
        }
        JsonObject items;
        for (const Item& item : items_) {
            if (item.menu != top.popup) {
                continue;
            }
            const UINT state = GetMenuState(item.menu, item.id, MF_BYCOMMAND);
            wchar_t text[128] = {};
            GetMenuStringW(item.menu, item.id, text, 128, MF_BYCOMMAND);
            JsonObject entry;
            entry.Add("checked", (state & MF_CHECKED) != 0)
                .Add("enabled", (state & (MF_GRAYED | MF_DISABLED)) == 0)
                .Add("text", WideToUtf8(text));
            // An open popup is a window of its own: without a window given, the
            // system finds it and answers in screen coordinates.
            RECT box{};
            if (top.open &&
                GetMenuItemRect(nullptr, item.menu, static_cast<UINT>(item.position), &box)) {
                entry.Add("box", JsonBox(box));
            }
            items.Add(item.name, entry);
        }
        menu.Add("items", items);
        all.Add(top.name, menu);
    }
    return all;
}

}  // namespace textmend
