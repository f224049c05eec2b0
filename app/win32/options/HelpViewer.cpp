// The help window: a sizeable window with a read-only text field showing a
// help page turned into text. Under Wine there is no browser engine, so the
// program shows its simple HTML pages itself.

#include "app/win32/options/HelpViewer.h"

#include <richedit.h>

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

std::string withLineEnds(const std::string& text, const char* lineEnd) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += lineEnd;
    else out += c;
  }
  return out;
}

bool isRich(HWND field) {
  wchar_t cls[32] = {};
  GetClassNameW(field, cls, 32);
  return lstrcmpiW(cls, MSFTEDIT_CLASS) == 0;
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
  // Over the window it was opened from, a little down and right.
  RECT r = {};
  if (owner && GetWindowRect(owner, &r))
    SetWindowPos(w, nullptr, r.left + 4 * m.charWidth, r.top + 2 * m.lineHeight, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND field = createHelpField(w, kField);
  SetWindowLongPtrW(field, GWLP_USERDATA, GetWindowLongPtrW(field, GWLP_WNDPROC));
  SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldProc));
  return w;
}

}  // namespace

HWND createHelpField(HWND parent, int id) {
  // Rich edit 4.1 (msftedit.dll), on every system since XP and in Wine.
  static const bool rich = LoadLibraryW(L"msftedit.dll") != nullptr;
  ControlArgs a;
  a.parent = parent;
  a.className = rich ? MSFTEDIT_CLASS : L"EDIT";
  a.style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  a.exStyle = WS_EX_CLIENTEDGE;
  a.id = id;
  HWND field = createControl(a);
  if (!field && rich) {
    a.className = L"EDIT";
    field = createControl(a);
  }
  if (isRich(field)) SendMessageW(field, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
  SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(8, 8));
  return field;
}

void fillHelpField(HWND field, const char* page, Str16* title) {
  std::u16string_view folder(reinterpret_cast<const char16_t*>(g_program.moduleFolder));
  Str16 path = helpPagePath(folder, utf16ToUtf8(cfgInterfaceLang.get()), page ? page : "", fileExists);
  HelpText help;
  if (path.empty()) {
    help.text = std::string("html\\en\\") + (page ? page : "") + ": missing\n";
  } else {
    help = htmlToHelpText(readFile(path));
  }
  if (title) *title = utf8ToUtf16(help.title.empty() ? std::string("Orvanta") : help.title);
  const bool rich = isRich(field);
  // A rich edit control ends a paragraph with one CR, which keeps the
  // heading positions (counted with one unit per line end) in step.
  Str16 text = utf8ToUtf16(withLineEnds(help.text, rich ? "\r" : "\r\n"));
  SetWindowTextW(field, reinterpret_cast<const wchar_t*>(text.data()));
  if (!rich) return;
  for (const auto& h : help.headings) {
    CHARRANGE range = {static_cast<LONG>(h.begin), static_cast<LONG>(h.end)};
    SendMessageW(field, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_SIZE;
    format.dwEffects = CFE_BOLD;
    // Sizes in twips: the dialog font's points, larger for the top levels.
    format.yHeight = (cfgDefFontSize.get() + (h.level == 1 ? 4 : h.level == 2 ? 2 : 0)) * 20;
    SendMessageW(field, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
  // Rich edit controls under Wine ignore EM_SETMARGINS: the text keeps
  // away from the border by paragraph indents (in twips).
  SendMessageW(field, EM_SETSEL, 0, -1);
  PARAFORMAT2 para = {};
  para.cbSize = sizeof para;
  para.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT;
  para.dxStartIndent = 120;
  para.dxRightIndent = 120;
  SendMessageW(field, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&para));
  SendMessageW(field, EM_SETSEL, 0, 0);
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
  fillHelpField(GetDlgItem(g_viewer, kField), page, &title);
  SetWindowTextW(g_viewer, reinterpret_cast<const wchar_t*>(title.data()));
  trace("help shown: %s\n", page);
  ShowWindow(g_viewer, IsIconic(g_viewer) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(g_viewer);
  SetFocus(GetDlgItem(g_viewer, kField));
}

}  // namespace orv::win
