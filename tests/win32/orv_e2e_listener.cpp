// Listener on the program's trace channel: a window of the class "WINOUT32"
// that prints the text of every WM_COPYDATA with dwData 1, as it arrives.
#include <windows.h>

#include <cstdio>

namespace {

LRESULT CALLBACK listenerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_COPYDATA) {
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (cds->dwData == 1 && cds->cbData > 0 && cds->lpData) {
      const char* text = static_cast<const char*>(cds->lpData);
      std::fwrite(text, 1, strnlen(text, cds->cbData), stdout);
      std::fflush(stdout);
    }
    return TRUE;
  }
  if (m == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

int wmain() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = listenerProc;
  wc.hInstance = inst;
  wc.lpszClassName = L"WINOUT32";
  if (!RegisterClassW(&wc)) return 1;
  HWND w = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, wc.lpszClassName, L"trace", WS_POPUP, 1100, 700,
                           60, 40, nullptr, nullptr, inst, nullptr);
  if (!w) return 1;
  std::printf("listening\n");
  std::fflush(stdout);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
