// The two debug channels: the trace sent to an external viewer (a window of
// the class "WINOUT32", WM_COPYDATA with dwData 1) and the developer log,
// shown in a list window when "devel" is "1".

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/win32/Program.h"
#include "app/AppPaths.h"
#include "core/DebugLog.h"
#include "core/SynchObject.h"

namespace orv::win {

namespace {

SynchObject g_logLock;
HWND g_devWindow = nullptr;
HWND g_devList = nullptr;

// Formats into a buffer of 10000 bytes, doubled until the text fits.
char* formatText(const char* format, va_list args) {
  size_t size = 10000;
  for (;;) {
    char* buf = static_cast<char*>(std::malloc(size));
    if (!buf) return nullptr;
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buf, size, format, copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < size) return buf;
    std::free(buf);
    if (n < 0) return nullptr;
    size *= 2;
  }
}

LRESULT CALLBACK devWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_SIZE:
      if (g_devList) MoveWindow(g_devList, 0, 0, LOWORD(lp), HIWORD(lp) - 28, TRUE);
      if (HWND hide = GetDlgItem(w, 2)) MoveWindow(hide, 4, HIWORD(lp) - 26, 80, 24, TRUE);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == 2) ShowWindow(w, SW_HIDE);
      return 0;
    case WM_CLOSE:
      ShowWindow(w, SW_HIDE);
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void trace(const char* format, ...) {
  HWND viewer = FindWindowW(L"WINOUT32", nullptr);
  if (!viewer) return;
  va_list args;
  va_start(args, format);
  char* text = formatText(format, args);
  va_end(args);
  if (!text) return;
  // Bring a minimised viewer back without taking the focus from the
  // application the user types into.
  if (IsIconic(viewer)) ShowWindow(viewer, SW_SHOWNOACTIVATE);
  SetWindowPos(viewer, GetForegroundWindow(), 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  COPYDATASTRUCT cds = {};
  cds.dwData = 1;
  cds.cbData = static_cast<DWORD>(std::strlen(text) + 1);
  cds.lpData = text;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(viewer, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 2000, &result);
  std::free(text);
}

// The developer log's sink while the developer window exists (the channel
// formats under its own lock; this one guards the list).
void devLogToList(const std::string& text, void*) {
  SynchObject::Guard guard(g_logLock);
  if (!g_devList) return;
  SendMessageA(g_devList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  LRESULT count = SendMessageA(g_devList, LB_GETCOUNT, 0, 0);
  SendMessageA(g_devList, LB_SETCURSEL, count - 1, 0);
}

bool developerMode() {
  static int cached = -1;
  if (cached < 0) {
    // Not a setting: read once, never written.
    wchar_t value[100];
    Str16 ini = iniPath16();
    GetPrivateProfileStringW(L"common", L"devel", L"", value, 100, reinterpret_cast<const wchar_t*>(ini.data()));
    cached = (value[0] == L'1' && value[1] == 0) ? 1 : 0;
  }
  return cached == 1;
}

void createDeveloperWindow() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = devWindowProc;
  wc.hInstance = g_program.instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"orvanta_devel_window";
  RegisterClassW(&wc);
  g_devWindow = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Orvanta developer log",
                                WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 520, 360, nullptr,
                                nullptr, g_program.instance, nullptr);
  if (!g_devWindow) return;
  g_devList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0, 100, 100,
                              g_devWindow, reinterpret_cast<HMENU>(1), g_program.instance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"Hide", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 4, 4, 80, 24, g_devWindow,
                  reinterpret_cast<HMENU>(2), g_program.instance, nullptr);
  RECT rc;
  GetClientRect(g_devWindow, &rc);
  SendMessageW(g_devWindow, WM_SIZE, 0, MAKELPARAM(rc.right, rc.bottom));
  setDebugLogSink(devLogToList);
}

void showDeveloperWindow() {
  if (!g_devWindow) return;
  ShowWindow(g_devWindow, SW_SHOW);
  SetForegroundWindow(g_devWindow);
}

}  // namespace orv::win
