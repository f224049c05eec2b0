#pragma once
// The window-text port: a window's text and the walk over its child
// windows, for replacing "$key" texts by their language texts. Windows:
// GetWindowTextW, SetWindowTextW, GetWindow(GW_CHILD / GW_HWNDNEXT). The
// simulated desktop keeps a plain tree of windows with texts
// (platform/sim/SimWindowTree.h).

#include <cstdint>

#include "core/Str.h"

namespace orv {

using WindowRef = uintptr_t;  // an HWND on Windows; 0 is no window

Str16 windowText(WindowRef window);
bool setWindowText(WindowRef window, const char16_t* text);
WindowRef firstChildWindow(WindowRef window);
WindowRef nextSiblingWindow(WindowRef window);

}  // namespace orv
