#pragma once

#include <QIcon>
#include <QJsonObject>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "forms/Form.h"

class QWidget;

namespace textmend {

class HotkeyEdit;

struct Icons {
    QIcon normal;
    QIcon autoprocess;
};

// The controls of one window, built from its layout table into a client area
// of the layout's size, and drawn from the window's core form.
class FormView {
  public:
    using ClickHandler = std::function<void(std::string_view name)>;
    using EditHandler = std::function<void(std::string_view name, const std::string& text)>;

    FormView(const FormDef& layout, const Icons& icons, QWidget* clientArea);

    // Clicks on buttons, option buttons and check boxes.
    void OnClick(ClickHandler handler) { onClick_ = std::move(handler); }
    // Text the user typed into a text box, with CR LF line breaks; the
    // combination pressed in a key box, in the form of settings/Hotkey.h.
    void OnEdit(EditHandler handler) { onEdit_ = std::move(handler); }

    // Brings every widget to the form's state.
    void Render(const Form& form);

    QWidget* Widget(std::string_view name) const;
    // Each control's place on the screen and what it shows, for the tests' eyes.
    QJsonObject Describe() const;

  private:
    void Build(const ControlDef& spec, const Icons& icons);
    void RenderHotkey(HotkeyEdit& keys, std::string_view name, const std::string& text);

    const FormDef& layout_;
    QWidget* clientArea_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    // The text each text box and key box was last given from the form, so that
    // a redraw never overwrites what the user is typing with the same text.
    std::map<std::string, std::string, std::less<>> shownTexts_;
    ClickHandler onClick_;
    EditHandler onEdit_;
};

}  // namespace textmend
