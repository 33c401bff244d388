#pragma once

#include <windows.h>

namespace textmend {

// A message-only window of the calling thread, of the class className (registered
// here with proc on first use), with self as its user data.
HWND CreateMessageWindow(const wchar_t* className, WNDPROC proc, void* self);

}  // namespace textmend
