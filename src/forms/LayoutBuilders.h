#pragma once

// Short constructors that keep the layout tables one control a line.

#include <cstdint>
#include <string_view>

#include "forms/Layout.h"

namespace textmend::layout {

constexpr ControlDef Make(ControlKind kind, std::string_view name, std::string_view caption) {
    ControlDef c{};
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    return c;
}

constexpr ControlDef Box(ControlKind kind, std::string_view name, std::string_view caption,
                         int left, int top, int width, int height, int tabIndex) {
    ControlDef c = Make(kind, name, caption);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    return c;
}

constexpr ControlDef Option(std::string_view name, std::string_view caption, int left, int top,
                            int width, int height, int tabIndex, std::string_view tooltip) {
    ControlDef c =
        Box(ControlKind::OptionButton, name, caption, left, top, width, height, tabIndex);
    c.tooltip = tooltip;
    return c;
}

constexpr ControlDef Check(std::string_view name, std::string_view caption, int left, int top,
                           int width, int height, int tabIndex, std::string_view tooltip) {
    ControlDef c = Option(name, caption, left, top, width, height, tabIndex, tooltip);
    c.kind = ControlKind::CheckBox;
    return c;
}

constexpr ControlDef Button(std::string_view name, std::string_view caption, int left, int top,
                            int width, int height, int tabIndex, bool isDefault = false,
                            bool isCancel = false) {
    ControlDef c =
        Box(ControlKind::CommandButton, name, caption, left, top, width, height, tabIndex);
    c.isDefault = isDefault;
    c.isCancel = isCancel;
    return c;
}

constexpr ControlDef Picture(std::string_view name, int left, int top, int width, int height,
                             int tabIndex, PictureContent picture) {
    ControlDef c = Box(ControlKind::PictureBox, name, "", left, top, width, height, tabIndex);
    c.picture = picture;
    return c;
}

// A group box; its caption sits on its top edge, and it takes no focus.
constexpr ControlDef Frame(std::string_view name, std::string_view caption, int left, int top,
                           int width, int height) {
    return Box(ControlKind::Frame, name, caption, left, top, width, height, -1);
}

// A line from (x1, y1) to (x2, y2), kept in left, top, width and height.
constexpr ControlDef Line(std::string_view name, int x1, int y1, int x2, int y2,
                          std::uint32_t color) {
    ControlDef c = Box(ControlKind::Line, name, "", x1, y1, x2, y2, -1);
    c.color = color;
    return c;
}

constexpr ControlDef Timer(std::string_view name, int intervalMs, bool running) {
    ControlDef c = Make(ControlKind::Timer, name, "");
    c.intervalMs = intervalMs;
    c.enabled = running;
    return c;
}

constexpr ControlDef Menu(std::string_view name, std::string_view caption) {
    return Make(ControlKind::Menu, name, caption);
}

constexpr ControlDef Item(std::string_view parent, std::string_view name,
                          std::string_view caption) {
    ControlDef c = Make(ControlKind::MenuItem, name, caption);
    c.parent = parent;
    return c;
}

constexpr ControlDef Separator(std::string_view parent, std::string_view name) {
    ControlDef c = Make(ControlKind::Separator, name, "-");
    c.parent = parent;
    return c;
}

}  // namespace textmend::layout
