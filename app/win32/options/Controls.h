#pragma once
// Making the options window's controls: one arguments struct with defaults,
// so that each call names only what differs, and the few helpers every
// page uses. Every control gets the program's dialog font.

#include <windows.h>

#include "core/Str.h"

namespace orv::win {

struct ControlArgs {
  HWND parent = nullptr;
  const wchar_t* className = L"STATIC";
  const wchar_t* text = L"";  // "$key" for a language key
  DWORD style = 0;            // added to WS_CHILD | WS_VISIBLE
  DWORD exStyle = 0;
  int id = 0;
  int x = 0, y = 0, width = 10, height = 10;
};
HWND createControl(const ControlArgs& args);

// The dialog font's line height and average character width in pixels: the
// unit of every page's layout, so that a larger font or DPI grows the page.
struct PanelMetrics {
  int lineHeight;  // a text line
  int rowHeight;   // a check box, edit or button row
  int charWidth;
  int gap;         // between rows and between groups
};
PanelMetrics panelMetrics();

// The pixel width of a text in the dialog font, and of a control's current
// (localised) text: labels and buttons are sized to fit in layout().
int textWidth(const wchar_t* text);
int controlTextWidth(HWND control);

bool isChecked(HWND page, int id);
void setChecked(HWND page, int id, bool on);
void moveControl(HWND page, int id, int x, int y, int width, int height);

// Texts between the controls (UTF-16) and the program's 8-bit names in the
// ANSI code page (executable names, sound files).
inline const wchar_t* wide(const Str16& s) { return reinterpret_cast<const wchar_t*>(s.data()); }
Str16 fromAnsi(const Str8& s);
Str8 toAnsi(const wchar_t* s);

}  // namespace orv::win
