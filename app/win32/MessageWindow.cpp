// The hidden windows that the program's worker threads own: the receiver
// and the popup menu thread each run one, with a timer of their own.

#include "app/win32/Program.h"

namespace orv::win {

HWND createMessageWindow(WNDPROC proc, UINT_PTR timerId, UINT timerMs) {
  HWND w = CreateWindowExW(0, L"static", L"", WS_CHILD, 0, 0, 1, 1, HWND_MESSAGE, nullptr, g_program.instance,
                           nullptr);
  if (!w) return nullptr;
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  SetTimer(w, timerId, timerMs, nullptr);
  return w;
}

void runThreadMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace orv::win
