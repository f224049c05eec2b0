// The popup menu thread: a hidden message window of its own that takes the
// clipboard requests of the key and mouse handling, so that reading and
// writing the clipboard never happens on the receiver thread (which must
// answer every key of the hook library at once).
//
//   1134  show the newest queued menu
//   1135  build and show the clipboard menu at the packed point (lParam)
//   1139  a key for the shown menu (wParam)
//   1136  check the clipboard (after each key-up and mouse button event)
//   1137  restore the borrowed clipboard 333 ms from now (wParam: loan)
//   1138  ask the hook library for a copy in the thread given in lParam
//
// Timer 9753 ticks every 1111 ms; its ticks only keep the loop awake. The
// restore waits on a timer rather than in Sleep, so that the thread stays
// responsive; a newer loan replaces the pending one (the engine restores
// only the latest anyway).

#include "app/ProgramStores.h"
#include "app/win32/Program.h"
#include "hook/HookLogic.h"

namespace orv::win {

namespace {

constexpr UINT_PTR kIdleTimerId = 9753;
constexpr UINT kIdleTimerMs = 1111;

HWND g_menuWindow = nullptr;
uint32_t g_restoreLoan = 0;

LRESULT CALLBACK menuThreadProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case kMsgShowQueuedMenu:
      menuShowQueued();
      return 0;
    case kMsgShowClipboardMenu:
      menuShowClipboard(lp);
      return 0;
    case kMsgMenuKey:
      menuOfferKey(static_cast<uint32_t>(wp));
      return 0;
    case kMsgCheckClipboard:
      checkProgramClipboard(theClipboard());
      return 0;
    case kMsgRestoreClipboard:
      g_restoreLoan = static_cast<uint32_t>(wp);
      SetTimer(w, kRestoreClipboardTimerId, kRestoreClipboardDelayMs, nullptr);
      return 0;
    case kMsgCopyByMouse:
      PostThreadMessageW(static_cast<DWORD>(lp), hook::kThreadCommand, hook::kCmdCopy, 0);
      return 0;
    case WM_TIMER:
      if (wp == kRestoreClipboardTimerId) {
        KillTimer(w, kRestoreClipboardTimerId);
        bool restored;
        {
          SynchObject::Guard guard(keyboardLock());
          restored = keyboardRestoreClipboard(g_restoreLoan);
        }
        if (restored) trace("clipboard restored\n");
      }
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

DWORD WINAPI xmThreadProc(LPVOID ready) {
  HWND w = createMessageWindow(menuThreadProc, kIdleTimerId, kIdleTimerMs);
  if (w) startMenuSession(w);
  g_menuWindow = w;
  SetEvent(static_cast<HANDLE>(ready));
  if (!w) return 1;
  runThreadMessageLoop();
  return 0;
}

}  // namespace

bool startMenuThread() {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return false;
  HANDLE t = CreateThread(nullptr, 0, xmThreadProc, ready, CREATE_SUSPENDED, nullptr);
  if (!t) {
    CloseHandle(ready);
    return false;
  }
  ResumeThread(t);
  CloseHandle(t);
  // The receiver posts to the window from its first key on. The thread
  // signals right after creating the window (or failing to), so the wait is
  // short, and the event is never closed while the thread may still set it.
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  return g_menuWindow != nullptr;
}

HWND menuThreadWindow() { return g_menuWindow; }

void postToMenuThread(UINT message, WPARAM wp, LPARAM lp) {
  if (g_menuWindow) PostMessageW(g_menuWindow, message, wp, lp);
}

}  // namespace orv::win
