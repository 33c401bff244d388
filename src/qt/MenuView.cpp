#include "qt/MenuView.h"

#include <QAction>
#include <QMenuBar>

namespace textmend {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonObject Box(const QRect& rect, const QWidget* owner) {
    const QPoint origin = owner->mapToGlobal(rect.topLeft());
    return {
        {"x", origin.x()}, {"y", origin.y()}, {"width", rect.width()}, {"height", rect.height()}};
}

}  // namespace

void WatchedMenu::showEvent(QShowEvent* event) {
    QMenu::showEvent(event);
    if (onShownOrHidden) {
        onShownOrHidden();
    }
}

void WatchedMenu::hideEvent(QHideEvent* event) {
    QMenu::hideEvent(event);
    if (onShownOrHidden) {
        onShownOrHidden();
    }
}

MenuView::MenuView(const FormDef& layout, QMenuBar* menuBar)
    : layout_(layout), menuBar_(menuBar), popup_(new WatchedMenu(menuBar)) {
    popup_->setObjectName(Text(kPopupName));
    for (const ControlDef& spec : layout.controls) {
        Add(spec);
    }
}

void MenuView::Add(const ControlDef& spec) {
    const std::string name(spec.name);
    switch (spec.kind) {
        case ControlKind::Menu: {
            // The popup sits in the menu bar like any menu, shown there or not as
            // its state says, and opens on its own at the tray icon.
            auto* menu = spec.name == kPopupName ? popup_ : new WatchedMenu(menuBar_);
            menu->setTitle(Text(spec.caption));
            menu->setObjectName(Text(spec.name));
            menuBar_->addMenu(menu);
            menus_.emplace(name, menu);
            return;
        }
        case ControlKind::MenuItem:
        case ControlKind::Separator: {
            auto owner = menus_.find(spec.parent);
            if (owner == menus_.end()) {
                return;
            }
            QAction* action = spec.kind == ControlKind::Separator
                                  ? owner->second->addSeparator()
                                  : owner->second->addAction(Text(spec.caption));
            action->setObjectName(Text(spec.name));
            if (spec.kind == ControlKind::MenuItem) {
                QObject::connect(action, &QAction::triggered, [this, name] {
                    if (onChoose_) {
                        onChoose_(name);
                    }
                });
            }
            actions_.emplace(name, action);
            return;
        }
        default:
            return;
    }
}

void MenuView::OnShownOrHidden(std::function<void()> handler) {
    for (auto& [name, menu] : menus_) {
        menu->onShownOrHidden = handler;
    }
}

void MenuView::OnOpening(std::function<void(std::string_view)> handler) {
    for (auto& [name, menu] : menus_) {
        QObject::connect(menu, &QMenu::aboutToShow, [handler, name = name] { handler(name); });
    }
}

void MenuView::Render(const Form& form) {
    for (auto& [name, menu] : menus_) {
        const ControlState* state = form.Control(name);
        if (state != nullptr) {
            menu->menuAction()->setVisible(state->visible);
            menu->setEnabled(state->enabled);
        }
    }
    for (auto& [name, action] : actions_) {
        const ControlState* state = form.Control(name);
        if (state == nullptr || action->isSeparator()) {
            continue;
        }
        // Only a marked item is checkable, so unmarked items show no empty box;
        // a choice never flips the mark by itself, the next redraw sets it.
        const bool marked = state->value == 1;
        action->setCheckable(marked);
        action->setChecked(marked);
        action->setEnabled(state->enabled);
        action->setVisible(state->visible);
    }
}

void MenuView::ExecPopup(const QPoint& pos) {
    popup_->exec(pos);
}

QJsonObject MenuView::Describe() const {
    QJsonObject out;
    for (const auto& [name, menu] : menus_) {
        QJsonObject entry{{"open", menu->isVisible()}};
        if (menu != popup_) {
            entry["title"] = Box(menuBar_->actionGeometry(menu->menuAction()), menuBar_);
        }
        QJsonObject items;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            QJsonObject item{{"checked", action->isChecked()},
                             {"enabled", action->isEnabled()},
                             {"text", action->text()}};
            if (menu->isVisible()) {
                item["box"] = Box(menu->actionGeometry(action), menu);
            }
            items[action->objectName()] = item;
        }
        entry["items"] = items;
        out[QString::fromStdString(name)] = entry;
    }
    return out;
}

}  // namespace textmend
