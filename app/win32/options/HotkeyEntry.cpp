// The hotkey entry fields and the table of the codes being edited, shared by
// the shortcuts and clipboard pages until Apply.

#include "app/win32/options/HotkeyEntry.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/AppPaths.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"

namespace orv::win {

namespace {

constexpr wchar_t kPatchProperty[] = L"hotkey:draw:patch";
constexpr int kPauseKey = 19;

struct EditedCode {
  Str8 name;
  int32_t code = 0;
};
// In the hotkey table's order; touched on the main thread only.
ArrT<EditedCode> g_edits;

struct Entry {
  HWND window;
  Str8 name;
};
ArrT<Entry> g_entries;

EditedCode* findEdit(const char* name) {
  for (EditedCode& e : g_edits)
    if (e.name == str8(name)) return &e;
  return nullptr;
}

const Str8* entryName(HWND w) {
  for (const Entry& e : g_entries)
    if (e.window == w) return &e.name;
  return nullptr;
}

void forgetEntry(HWND w) {
  for (int32_t i = 0; i < g_entries.size(); ++i)
    if (g_entries[i].window == w) {
      g_entries.remove(i);
      return;
    }
}

// HKM_GETHOTKEY gives the key in the low byte and HOTKEYF_* in the next,
// which is already the hotkey code's layout.
int32_t controlCode(HWND w) { return static_cast<int32_t>(SendMessageW(w, HKM_GETHOTKEY, 0, 0) & 0xFFFF); }

void noteControlCode(HWND w) {
  const Str8* name = entryName(w);
  if (!name) return;
  Str8 copy = *name;
  copy.append('\0');
  setHotkeyEditCode(copy.data(), controlCode(w));
}

// The control has no name for Pause and shows nothing useful for it: the
// text is painted over once the control has drawn itself.
void paintPause(HWND w, int32_t code) {
  HDC dc = GetDC(w);
  if (!dc) return;
  RECT r;
  GetClientRect(w, &r);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  char text[48] = "";
  if (code & (HOTKEYF_SHIFT << 8)) strcat(text, "Shift + ");
  if (code & (HOTKEYF_CONTROL << 8)) strcat(text, "Ctrl + ");
  if (code & (HOTKEYF_ALT << 8)) strcat(text, "Alt + ");
  strcat(text, "Pause(Break)");
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(w) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  TextOutA(dc, 0, 0, text, static_cast<int>(strlen(text)));
  if (old) SelectObject(dc, old);
  ReleaseDC(w, dc);
}

LRESULT CALLBACK entryProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetPropW(w, kPatchProperty));
  if (!previous) return DefWindowProcW(w, m, wp, lp);
  if (m == WM_NCDESTROY) {
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(w, kPatchProperty);
    forgetEntry(w);
    return CallWindowProcW(previous, w, m, wp, lp);
  }
  LRESULT result = CallWindowProcW(previous, w, m, wp, lp);
  switch (m) {
    case WM_PAINT: {
      int32_t code = controlCode(w);
      if ((code & 0xFF) == kPauseKey) paintPause(w, code);
      break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case HKM_SETHOTKEY:
      noteControlCode(w);
      // The control repaints only its text: the patched text must follow.
      InvalidateRect(w, nullptr, TRUE);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

HWND createHotkeyEntry(HWND page, int id, const char* hotkeyName) {
  ControlArgs args;
  args.parent = page;
  args.className = HOTKEY_CLASSW;
  args.style = WS_TABSTOP;
  args.exStyle = WS_EX_CLIENTEDGE;
  args.id = id;
  HWND w = createControl(args);
  if (!w) return nullptr;
  g_entries.append(Entry{w, str8(hotkeyName)});
  LONG_PTR previous = GetWindowLongPtrW(w, GWLP_WNDPROC);
  SetPropW(w, kPatchProperty, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entryProc));
  refreshHotkeyEntry(w);
  return w;
}

void refreshHotkeyEntry(HWND entry) {
  const Str8* name = entryName(entry);
  if (!name) return;
  Str8 copy = *name;
  copy.append('\0');
  SendMessageW(entry, HKM_SETHOTKEY, static_cast<WPARAM>(hotkeyEditCode(copy.data()) & 0xFFFF), 0);
}

void loadHotkeyEdits() {
  g_edits.clear();
  for (const HotkeyRow& row : keyboardHotkeys()) g_edits.append(EditedCode{row.name, row.code});
}

int32_t hotkeyEditCode(const char* hotkeyName) {
  const EditedCode* e = findEdit(hotkeyName);
  return e ? e->code : 0;
}

void setHotkeyEditCode(const char* hotkeyName, int32_t code) {
  if (EditedCode* e = findEdit(hotkeyName)) e->code = code;
}

void applyHotkeyEdits() {
  Str8 ini = iniPath8();
  ini.append('\0');
  for (const EditedCode& e : g_edits) {
    Str8 name = e.name;
    name.append('\0');
    if (!keyboardSetHotkeyCode(name.data(), e.code)) continue;
    char value[16];
    snprintf(value, sizeof value, "%d", static_cast<int>(e.code));
    WritePrivateProfileStringA("hotkey", name.data(), value, ini.data());
  }
}

}  // namespace orv::win
