#pragma once

// What the windows show, written as JSON to the file named by the environment
// variable TEXTMEND_WIDGET_STATE whenever it changes, so that end-to-end tests
// find the controls on the screen and read their states as a user would see
// them. Without the variable nothing is written. The same layout as the Linux
// program's:
//
// { "<window>": { "caption", "visible", "minimized", "frame": {x, y, width, height},
//                 "controls": { "<name>": {x, y, width, height, enabled, visible,
//                                          value | text} },
//                 "menus": { "<menu>": { "open", "title": {box}, "items": {
//                            "<item>": {checked, enabled, text, "box" while open} } } } },
//   "tray": { "shown", "image": "normal" | "autoprocess", "tooltip" },
//   "messageBox": { "title", "text", "ok": {box} } }

#include <windows.h>

#include <map>
#include <string>

#include "win32/JsonText.h"

namespace textmend {

class WidgetProbe {
  public:
    WidgetProbe();
    bool Enabled() const { return !path_.empty(); }
    void Set(const std::string& section, const JsonObject& content);
    void Remove(const std::string& section);

  private:
    void Write();

    std::wstring path_;
    std::map<std::string, std::string> sections_;
};

// A screen rectangle as {x, y, width, height}.
JsonObject JsonBox(const RECT& rect);

}  // namespace textmend
