#pragma once
// The program's help pages, shown as text: in a window of their own (the
// options window's Help button) or in a read-only field of a page (the
// welcome page).

#include <windows.h>

#include "core/Str.h"

namespace orv::win {

// A read-only, scrolling field for help text (a rich edit control where
// the system has one, so that headings stand out; else a plain edit).
HWND createHelpField(HWND parent, int id);
// Fills such a field with a help page in the user's interface language
// (the English page when that language has none; a line naming the missing
// file when there is none). `title` gets the page's title.
void fillHelpField(HWND field, const char* page, Str16* title = nullptr);
// The answer to WM_CTLCOLORSTATIC for a plain edit field (its parent's
// handler).
LRESULT helpFieldColors(WPARAM dc);

// Shows the page in the help window (one window, reused), in front.
void showHelpPage(HWND owner, const char* page);

}  // namespace orv::win
