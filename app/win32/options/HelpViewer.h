#pragma once
// The program's help pages, shown as text: in a window of their own (the
// options window's Help button) or in a read-only field of a page (the
// welcome page).

#include <windows.h>

#include "core/Str.h"

namespace orv::win {

// The readable text of a help page in the user's interface language (the
// English page when that language has none), lines ending in "\r\n"; a line
// naming the missing file when there is none. `title` gets the page's title.
Str16 helpPageText(const char* page, Str16* title = nullptr);

// A read-only, scrolling text field for help text (the viewer's and the
// welcome page's).
HWND createHelpField(HWND parent, int id);
// The answer to WM_CTLCOLORSTATIC for such a field (its parent's handler).
LRESULT helpFieldColors(WPARAM dc);

// Shows the page in the help window (one window, reused), in front.
void showHelpPage(HWND owner, const char* page);

}  // namespace orv::win
