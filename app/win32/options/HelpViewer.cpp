// The help window: a sizeable window with a read-only text field showing a
// help page turned into text. Under Wine there is no browser engine, so the
// program shows its simple HTML pages itself.

#include "app/win32/options/HelpViewer.h"

#include <cstdio>
#include <string>

#include "app/HelpPages.h"
#include "app/LocalStr.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"

namespace orv::win {

namespace {

constexpr int kField = 10;
HWND g_viewer = nullptr;

bool fileExists(const Str16& path) {
  DWORD a = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.data()));
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFile(const Str16& path) {
  std::string data;
  FILE* f = _wfopen(reinterpret_cast<const wchar_t*>(path.data()), L"rb");
  if (!f) return data;
  char buffer[4096];
  size_t n;
  // Help pages are small; a runaway file is cut rather than read whole.
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && data.size() < (1u << 20)) data.append(buffer, n);
  std::fclose(f);
  if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
  return data;
}

Str16 withCrLf(const std::string& text) {
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return utf8ToUtf16(crlf);
}

LRESULT CALLBACK viewerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_SIZE:
      MoveWindow(GetDlgItem(w, kField), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(GetDlgItem(w, kField));
      return 0;
    case WM_CTLCOLORSTATIC:
      return helpFieldColors(wp);
    case WM_CLOSE:
      ShowWindow(w, SW_HIDE);
      return 0;
    case WM_DESTROY:
      g_viewer = nullptr;
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

// Escape closes the viewer: the field passes the key up.
LRESULT CALLBACK fieldProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_USERDATA));
  if (m == WM_KEYDOWN && wp == VK_ESCAPE) {
    HWND top = GetAncestor(w, GA_ROOT);
    if (top == g_viewer) {
      ShowWindow(top, SW_HIDE);
      return 0;
    }
  }
  return CallWindowProcW(previous, w, m, wp, lp);
}

HWND makeViewer(HWND owner) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = viewerProc;
    wc.hInstance = g_program.instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = g_program.iconLarge;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"orvanta_help_viewer";
    registered = RegisterClassW(&wc) != 0;
  }
  PanelMetrics m = panelMetrics();
  HWND w = CreateWindowExW(0, L"orvanta_help_viewer", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           64 * m.charWidth, 30 * m.lineHeight, owner, nullptr, g_program.instance, nullptr);
  if (!w) return nullptr;
  HWND field = createHelpField(w, kField);
  SetWindowLongPtrW(field, GWLP_USERDATA, GetWindowLongPtrW(field, GWLP_WNDPROC));
  SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldProc));
  return w;
}

}  // namespace

Str16 helpPageText(const char* page, Str16* title) {
  std::u16string_view folder(reinterpret_cast<const char16_t*>(g_program.moduleFolder));
  Str16 path = helpPagePath(folder, utf16ToUtf8(cfgInterfaceLang.get()), page ? page : "", fileExists);
  if (path.empty()) {
    char line[160];
    std::snprintf(line, sizeof line, "html\\en\\%s: missing", page ? page : "");
    if (title) *title = str16(u"Orvanta");
    return utf8ToUtf16(line);
  }
  std::string pageTitle;
  std::string text = htmlToText(readFile(path), &pageTitle);
  if (title) *title = utf8ToUtf16(pageTitle.empty() ? std::string("Orvanta") : pageTitle);
  return withCrLf(text);
}

HWND createHelpField(HWND parent, int id) {
  ControlArgs a;
  a.parent = parent;
  a.className = L"EDIT";
  a.style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  a.exStyle = WS_EX_CLIENTEDGE;
  a.id = id;
  HWND field = createControl(a);
  SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(8, 8));
  return field;
}

LRESULT helpFieldColors(WPARAM dc) {
  // Read-only fields are grey by default; help reads better on white.
  SetBkColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOW));
  SetTextColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void showHelpPage(HWND owner, const char* page) {
  if (!page || !*page) return;
  if (!g_viewer) g_viewer = makeViewer(owner);
  if (!g_viewer) return;
  Str16 title;
  Str16 text = helpPageText(page, &title);
  SetWindowTextW(g_viewer, reinterpret_cast<const wchar_t*>(title.data()));
  SetDlgItemTextW(g_viewer, kField, reinterpret_cast<const wchar_t*>(text.data()));
  trace("help shown: %s\n", page);
  ShowWindow(g_viewer, IsIconic(g_viewer) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(g_viewer);
  SetFocus(GetDlgItem(g_viewer, kField));
}

}  // namespace orv::win
