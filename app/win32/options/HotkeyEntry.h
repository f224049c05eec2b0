#pragma once
// The hotkey entry fields of the shortcuts and clipboard pages. A hotkey
// can be edited on both pages (the clipboard menu's), so the codes being
// edited live in one table shared by the pages until Apply writes them.

#include <windows.h>

#include <cstdint>

namespace orv::win {

// A hotkey control ("msctls_hotkey32") with the Pause patch: Pause, which
// the control cannot name, is painted as "Pause(Break)" after the control's
// own painting. Its code is set from and reported to the shared table
// under `hotkeyName` ("!!clipboard_menu"): a change in the field updates
// the table, and refreshHotkeyEntry() shows the table's code again.
HWND createHotkeyEntry(HWND page, int id, const char* hotkeyName);
void refreshHotkeyEntry(HWND entry);

// The shared table: filled with the program's current codes by load() of
// either page, edited by the fields, written (the keyboard engine and the
// INI file's "hotkey" section, at once) by applyHotkeyEdits(); writing
// twice in one Apply writes the same values.
void loadHotkeyEdits();
int32_t hotkeyEditCode(const char* hotkeyName);
void setHotkeyEditCode(const char* hotkeyName, int32_t code);
void applyHotkeyEdits();

}  // namespace orv::win
