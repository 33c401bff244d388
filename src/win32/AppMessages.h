#pragma once

// The program's own window messages, numbered in one place so that no two of
// them share a number, whichever window they are sent to.

#include <windows.h>

namespace textmend {

// The notification area's message for each mouse event over the icon, with the
// event's own message in lParam (main window).
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
// A change of the window's state that arrived while the core was busy; it is
// reported once the core's call has returned (main window).
inline constexpr UINT kDeferredStateMessage = WM_APP + 2;
// Describe the window to the widget probe once the queue has settled (every form window).
inline constexpr UINT kProbeMessage = WM_APP + 3;
// A clipboard worker is done; wParam: the transfer's id (the clipboard's message-only window).
inline constexpr UINT kClipboardDoneMessage = WM_APP + 4;
// The transfer's deadline has passed: close the clipboard this thread holds open
// (a clipboard worker's message-only window).
inline constexpr UINT kGiveUpClipboardMessage = WM_APP + 5;

}  // namespace textmend
