#pragma once

// Short constructors that keep the layout tables one control a line.

#include <cstdint>
#include <string_view>

#include "ui/Layout.h"

namespace textmend::layout {

constexpr ControlSpec Make(ControlKind kind, std::string_view name, std::string_view caption) {
    ControlSpec c{};
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    return c;
}

constexpr ControlSpec Box(ControlKind kind, std::string_view name, std::string_view caption,
                          int left, int top, int width, int height, int tabIndex) {
    ControlSpec c = Make(kind, name, caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    return c;
}

constexpr ControlSpec Option(std::string_view name, std::string_view caption, int left, int top,
                             int width, int height, int tabIndex, std::string_view tooltip,
                             int value = 0) {
    ControlSpec c =
        Box(ControlKind::OptionButton, name, caption, left, top, width, height, tabIndex);
    c.tooltip = tooltip;
    c.value = value;
    return c;
}

constexpr ControlSpec Check(std::string_view name, std::string_view caption, int left, int top,
                            int width, int height, int tabIndex, std::string_view tooltip,
                            int value = 0) {
    ControlSpec c = Option(name, caption, left, top, width, height, tabIndex, tooltip, value);
    c.kind = ControlKind::CheckBox;
    return c;
}

constexpr ControlSpec Button(std::string_view name, std::string_view caption, int left, int top,
                             int width, int height, int tabIndex, bool isDefault = false,
                             bool isCancel = false) {
    ControlSpec c =
        Box(ControlKind::CommandButton, name, caption, left, top, width, height, tabIndex);
    c.isDefault = isDefault;
    c.isCancel = isCancel;
    return c;
}

constexpr ControlSpec Picture(std::string_view name, int left, int top, int width, int height,
                              int tabIndex, PictureContent picture) {
    ControlSpec c = Box(ControlKind::PictureBox, name, "", left, top, width, height, tabIndex);
    c.picture = picture;
    return c;
}

// A line from (x1, y1) to (x2, y2), kept in left, top, width and height.
constexpr ControlSpec Line(std::string_view name, int x1, int y1, int x2, int y2,
                           std::uint32_t color) {
    ControlSpec c = Box(ControlKind::Line, name, "", x1, y1, x2, y2, -1);
    c.color = color;
    return c;
}

constexpr ControlSpec Timer(std::string_view name, int intervalMs, bool running) {
    ControlSpec c = Make(ControlKind::Timer, name, "");
    c.intervalMs = intervalMs;
    c.enabled = running;
    return c;
}

constexpr ControlSpec Menu(std::string_view name, std::string_view caption) {
    return Make(ControlKind::Menu, name, caption);
}

constexpr ControlSpec Item(std::string_view parent, std::string_view name,
                           std::string_view caption) {
    ControlSpec c = Make(ControlKind::MenuItem, name, caption);
    c.parent = parent;
    return c;
}

constexpr ControlSpec Separator(std::string_view parent, std::string_view name) {
    ControlSpec c = Make(ControlKind::Separator, name, "-");
    c.parent = parent;
    return c;
}

}  // namespace textmend::layout
