// The options window's controls: created with the program's dialog font,
// measured in that font.

#include "app/win32/options/Controls.h"

#include <cwchar>

#include "app/win32/Program.h"
#include "platform/Text.h"

namespace orv::win {

namespace {

HFONT dialogFont() {
  return g_program.dialogFont ? g_program.dialogFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// A screen DC with the dialog font selected for the scope.
class FontDC {
 public:
  FontDC() : myDC(GetDC(nullptr)), myOld(SelectObject(myDC, dialogFont())) {}
  ~FontDC() {
    SelectObject(myDC, myOld);
    ReleaseDC(nullptr, myDC);
  }
  FontDC(const FontDC&) = delete;
  FontDC& operator=(const FontDC&) = delete;
  HDC dc() const { return myDC; }

 private:
  HDC myDC;
  HGDIOBJ myOld;
};

}  // namespace

HWND createControl(const ControlArgs& a) {
  HWND w = CreateWindowExW(a.exStyle, a.className, a.text, WS_CHILD | WS_VISIBLE | a.style, a.x, a.y, a.width,
                           a.height, a.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(a.id)),
                           g_program.instance, nullptr);
  if (w) SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont()), FALSE);
  return w;
}

PanelMetrics panelMetrics() {
  static PanelMetrics cached = {};
  static HFONT cachedFor = nullptr;
  if (cached.lineHeight && cachedFor == dialogFont()) return cached;
  FontDC fdc;
  TEXTMETRICW tm = {};
  GetTextMetricsW(fdc.dc(), &tm);
  SIZE abc = {};
  // The average of the alphabet is steadier than tmAveCharWidth across fonts.
  const wchar_t* alphabet = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  GetTextExtentPoint32W(fdc.dc(), alphabet, 52, &abc);
  cached.lineHeight = tm.tmHeight;
  cached.rowHeight = tm.tmHeight + tm.tmHeight / 2 + 2;
  cached.charWidth = abc.cx > 0 ? (abc.cx + 26) / 52 : tm.tmAveCharWidth;
  cached.gap = tm.tmHeight / 2 + 1;
  cachedFor = dialogFont();
  return cached;
}

int textWidth(const wchar_t* text) {
  if (!text || !*text) return 0;
  FontDC fdc;
  // The widest line; an ampersand marks the next letter and takes no room.
  int widest = 0;
  const wchar_t* line = text;
  while (true) {
    const wchar_t* end = line;
    while (*end && *end != L'\n') ++end;
    wchar_t buffer[512];
    int n = 0;
    for (const wchar_t* p = line; p < end && n < 511; ++p) {
      if (*p == L'&' && p + 1 < end && p[1] != L'&') continue;
      if (*p == L'\r') continue;
      buffer[n++] = *p;
    }
    SIZE size = {};
    if (n) GetTextExtentPoint32W(fdc.dc(), buffer, n, &size);
    if (size.cx > widest) widest = size.cx;
    if (!*end) break;
    line = end + 1;
  }
  return widest;
}

int controlTextWidth(HWND control) {
  wchar_t text[512];
  GetWindowTextW(control, text, 512);
  return textWidth(text);
}

bool isChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void setChecked(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }

void moveControl(HWND page, int id, int x, int y, int width, int height) {
  if (HWND c = GetDlgItem(page, id)) MoveWindow(c, x, y, width, height, TRUE);
}

Str16 fromAnsi(const Str8& s) { return toWide(s, CP_ACP); }

Str8 toAnsi(const wchar_t* s) {
  Str16 text;
  if (s) appendText(text, reinterpret_cast<const char16_t*>(s));
  return toNarrow(text, CP_ACP);
}

}  // namespace orv::win
