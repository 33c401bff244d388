#include "qt/FormView.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "engine/LineBreaks.h"
#include "qt/ControlWidgets.h"
#include "qt/HotkeyEdit.h"
#include "qt/QtKeyNames.h"
#include "qt/Twips.h"

namespace textmend {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::CheckState CheckStateOf(int value) {
    switch (value) {
        case 1:
            return Qt::Checked;
        case 2:
            return Qt::PartiallyChecked;
        default:
            return Qt::Unchecked;
    }
}

int ValueOf(Qt::CheckState state) {
    switch (state) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

bool IsWidget(ControlKind kind) {
    return kind != ControlKind::Timer && kind != ControlKind::Menu &&
           kind != ControlKind::MenuItem && kind != ControlKind::Separator;
}

}  // namespace

FormView::FormView(const FormDef& layout, const Icons& icons, QWidget* clientArea)
    : layout_(layout), clientArea_(clientArea) {
    clientArea_->setFixedSize(ToPixels(layout.clientWidth), ToPixels(layout.clientHeight));
    std::vector<const ControlDef*> tabOrder;
    for (const ControlDef& spec : layout.controls) {
        if (!IsWidget(spec.kind)) {
            continue;
        }
        Build(spec, icons);
        if (spec.tabIndex >= 0) {
            tabOrder.push_back(&spec);
        }
    }
    std::ranges::stable_sort(tabOrder, {}, &ControlDef::tabIndex);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(Widget(tabOrder[i - 1]->name), Widget(tabOrder[i]->name));
    }
}

void FormView::Build(const ControlDef& spec, const Icons& icons) {
    const std::string name(spec.name);
    const QRect box = ToPixelRect(spec.left, spec.top, spec.width, spec.height);
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::OptionButton: {
            auto* button = new StateRadioButton(Text(spec.caption), clientArea_);
            button->setAutoExclusive(false);
            widget = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new StateCheckBox(Text(spec.caption), clientArea_);
            box->setTristate(true);
            widget = box;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(Text(spec.caption), clientArea_);
            button->setDefault(spec.isDefault);
            button->setAutoDefault(spec.isDefault);
            widget = button;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QPlainTextEdit(clientArea_);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            edit->setTabChangesFocus(true);
            QObject::connect(edit, &QPlainTextEdit::textChanged, [this, edit, name] {
                const std::string text = ToEngineLineBreaks(edit->toPlainText().toStdString());
                shownTexts_[name] = text;
                if (onEdit_) {
                    onEdit_(name, text);
                }
            });
            widget = edit;
            break;
        }
        case ControlKind::HotkeyBox: {
            auto* edit = new HotkeyEdit(clientArea_);
            edit->onPressed = [this, name](QKeyCombination pressed) {
                const std::string text = HotkeyTextOf(pressed);
                shownTexts_[name] = text;
                if (onEdit_) {
                    onEdit_(name, text);
                }
            };
            widget = edit;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(clientArea_);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Frame:
            // Built before the controls it holds, so that they lie above it.
            widget = new QGroupBox(Text(spec.caption), clientArea_);
            break;
        case ControlKind::PictureBox:
            widget = new IconBox(
                spec.picture == PictureContent::AutoprocessIcon ? icons.autoprocess : icons.normal,
                clientArea_);
            break;
        case ControlKind::Line: {
            // Lines keep their two end points in left, top, width and height.
            const QLine line(ToPixels(spec.left), ToPixels(spec.top), ToPixels(spec.width),
                             ToPixels(spec.height));
            const QColor colour(static_cast<QRgb>(spec.color));
            widget = new LineWidget(line, colour, clientArea_);
            break;
        }
        default:
            return;
    }
    if (spec.kind != ControlKind::Line) {
        widget->setGeometry(box);
    }
    // A label passes its place in the tab order on; every other control with a
    // place in it takes the focus, a picture box too.
    if (spec.tabIndex < 0 || spec.kind == ControlKind::Label) {
        widget->setFocusPolicy(Qt::NoFocus);
    } else if (spec.kind == ControlKind::PictureBox) {
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    if (!spec.tooltip.empty()) {
        widget->setToolTip(Text(spec.tooltip));
    }
    widget->setObjectName(QString::fromStdString(name));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, [this, name] {
            if (onClick_) {
                onClick_(name);
            }
        });
    }
    widgets_.emplace(name, widget);
}

QWidget* FormView::Widget(std::string_view name) const {
    auto found = widgets_.find(name);
    return found == widgets_.end() ? nullptr : found->second;
}

void FormView::Render(const Form& form) {
    for (const ControlDef& spec : layout_.controls) {
        QWidget* widget = Widget(spec.name);
        const ControlState* state = form.Control(spec.name);
        if (widget == nullptr || state == nullptr) {
            continue;
        }
        const QSignalBlocker quiet(widget);
        widget->setEnabled(state->enabled);
        widget->setVisible(state->visible);
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            option->setChecked(state->value == 1);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setCheckState(CheckStateOf(state->value));
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            auto shown = shownTexts_.find(spec.name);
            if (shown == shownTexts_.end() || shown->second != state->text) {
                edit->setPlainText(QString::fromStdString(ToLfLineBreaks(state->text)));
                shownTexts_[std::string(spec.name)] = state->text;
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(QString::fromStdString(ToLfLineBreaks(state->text)));
        } else if (auto* keys = dynamic_cast<HotkeyEdit*>(widget)) {
            RenderHotkey(*keys, spec.name, state->text);
        }
    }
}

// A text that names no combination is what the user just pressed: the box
// shows it already, in Qt's words.
void FormView::RenderHotkey(HotkeyEdit& keys, std::string_view name, const std::string& text) {
    auto shown = shownTexts_.find(name);
    if (shown != shownTexts_.end() && shown->second == text) {
        return;
    }
    shownTexts_[std::string(name)] = text;
    if (text.empty()) {
        keys.Show(QKeyCombination::fromCombined(0));
    } else if (const std::optional<Hotkey> hotkey = ParseHotkey(text)) {
        keys.Show(KeyCombinationOf(*hotkey).value_or(QKeyCombination::fromCombined(0)));
    }
}

QJsonObject FormView::Describe() const {
    QJsonObject controls;
    for (const auto& [name, widget] : widgets_) {
        const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
        QJsonObject control{
            {"x", origin.x()},
            {"y", origin.y()},
            {"width", widget->width()},
            {"height", widget->height()},
            {"enabled", widget->isEnabled()},
            {"visible", widget->isVisibleTo(clientArea_)},
        };
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            control["value"] = option->isChecked() ? 1 : 0;
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            control["value"] = ValueOf(box->checkState());
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
            control["text"] = edit->toPlainText();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            control["text"] = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            control["text"] = button->text();
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            control["text"] = frame->title();
        } else if (auto* keys = dynamic_cast<HotkeyEdit*>(widget)) {
            control["text"] = QString::fromStdString(HotkeyTextOf(keys->Combination()));
        }
        controls[QString::fromStdString(name)] = control;
    }
    return controls;
}

}  // namespace textmend
