// Windows shell of the window-text port.

#include <windows.h>

#include "platform/WindowText.h"

namespace orv {

namespace {
HWND h(WindowRef w) { return reinterpret_cast<HWND>(w); }
}  // namespace

Str16 windowText(WindowRef window) {
  Str16 text;
  text.data();
  int len = GetWindowTextLengthW(h(window));
  if (len <= 0) return text;
  text.isetSize(len + 1);
  int got = GetWindowTextW(h(window), reinterpret_cast<wchar_t*>(text.data()), len + 1);
  text.isetSize(got > 0 ? got : 0);
  return text;
}

bool setWindowText(WindowRef window, const char16_t* text) {
  return SetWindowTextW(h(window), reinterpret_cast<const wchar_t*>(text)) != FALSE;
}

WindowRef firstChildWindow(WindowRef window) {
  return reinterpret_cast<WindowRef>(GetWindow(h(window), GW_CHILD));
}

WindowRef nextSiblingWindow(WindowRef window) {
  return reinterpret_cast<WindowRef>(GetWindow(h(window), GW_HWNDNEXT));
}

}  // namespace orv
