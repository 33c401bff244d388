#pragma once

// The XKB extension's requests and events. Its header names a field "explicit",
// a word C++ keeps to itself: it is read under another name.

#include <xcb/xcb.h>

#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit
