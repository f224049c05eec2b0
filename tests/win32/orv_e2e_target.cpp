// Target application of the end-to-end tests: a window titled as the first
// argument with a plain edit control (id 101) and a password edit (id 102).
// The focus goes to the password edit when the second argument is
// "password"; with "multiline" the plain edit keeps lines (Enter breaks one).
// Every key message that reaches an edit control is printed
// ("keydown 44", "keyup 44"), so the harness sees what the hooks let through.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

WNDPROC g_editProc = nullptr;
HWND g_focusEdit = nullptr;

LRESULT CALLBACK editProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  const char* what = nullptr;
  if (m == WM_KEYDOWN) what = "keydown";
  else if (m == WM_KEYUP) what = "keyup";
  else if (m == WM_SYSKEYDOWN) what = "syskeydown";
  else if (m == WM_SYSKEYUP) what = "syskeyup";
  if (what) {
    std::printf("%s %02X id=%d\n", what, static_cast<unsigned>(wp) & 0xFF, GetDlgCtrlID(w));
    std::fflush(stdout);
  }
  return CallWindowProcW(g_editProc, w, m, wp, lp);
}

LRESULT CALLBACK frameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_ACTIVATE:
    case WM_SETFOCUS:
      if (g_focusEdit) SetFocus(g_focusEdit);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const wchar_t* title = argc > 1 ? argv[1] : L"OrvTarget";
  const bool password = argc > 2 && std::wcscmp(argv[2], L"password") == 0;
  const bool multiline = argc > 2 && std::wcscmp(argv[2], L"multiline") == 0;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = frameProc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"orv_e2e_target";
  RegisterClassW(&wc);
  HWND frame = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW, 40, 40, 420, 160, nullptr, nullptr,
                               inst, nullptr);
  HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (multiline ? ES_MULTILINE | ES_WANTRETURN : 0),
                               10, 10, 380, 26, frame, reinterpret_cast<HMENU>(101), inst, nullptr);
  HWND secret = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_PASSWORD,
                                10, 50, 380, 26, frame, reinterpret_cast<HMENU>(102), inst, nullptr);
  g_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(plain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc)));
  SetWindowLongPtrW(secret, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
  g_focusEdit = password ? secret : plain;
  ShowWindow(frame, SW_SHOW);
  SetForegroundWindow(frame);
  SetFocus(g_focusEdit);
  std::printf("ready thread=%lu\n", GetCurrentThreadId());
  std::fflush(stdout);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
