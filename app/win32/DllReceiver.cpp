// The receiver: a message-only window on a thread of its own that the hook
// library calls synchronously for every key (1124) and mouse event (1125),
// that takes the library's echoes (1126) and layout notices (1127), reset
// requests (1123) and its own timer (9753). Keys, mouse button events and
// echoes go to the keyboard engine. It answers each event quickly; work that needs the application to
// act is posted back to it.

#include <cstring>

#include "app/win32/Program.h"
#include "core/SynchObject.h"
#include "hook/HookLogic.h"
#include "hook/ReceiverKeys.h"

namespace orv::win {

namespace {

// Until the keyboard state exists; then its own lock (see keyboardLock()).
SynchObject g_frameLock;
HWND g_receiver = nullptr;
DWORD g_receiverThread = 0;
FrameKeyReceiver g_frameKeys;
KeyReceiver* g_keys = &g_frameKeys;

const char* kindText(const KeyOutcome& o) {
  switch (o.kind) {
    case KeyOutcome::Password: return "password";
    case KeyOutcome::Sentinel: return "sentinel";
    case KeyOutcome::Hotkey: return "hotkey";
    default: return "tracked";
  }
}

// Which key went to which application is for the developer's eyes only:
// any program can open a window of the trace viewer's class.
void traceKey(const KeyEventRecord& k, const KeyOutcome& out) {
  if (out.kind == KeyOutcome::Password) {
    // Which key it was stays unsaid even then: the trace is no place for a password.
    trace("key dropped untracked (password field) exe=%.128s\n", k.exeName);
    return;
  }
  trace("key %02X %s act=%u %s%s exe=%.128s class=%.128s\n", k.vk & 0xFF, hook::isKeyUp(k.keyFlags) ? "up" : "down",
        k.action, kindText(out), out.result ? " swallowed" : "", k.exeName, k.focusClass);
}

LRESULT onKeyMessage() {
  KeyEventRecord k;
  bool password;
  KeyOutcome out;
  bool off = false;
  {
    SynchObject::Guard guard(keyboardLock());
    std::memcpy(&k, &g_program.shared->key, sizeof k);
    password = hook::passwordFlag(*g_program.shared) == 1;
    out = g_keys->onKey(k, password, *g_program.shared);
    // The frame's receiver (before the engine is built) only toggles.
    if (out.command == ProgramCommand::OnOff)
      off = g_keys == &g_frameKeys ? g_program.switchedOff == 0 : keyboardSwitchedOff();
  }
  if (developerMode()) traceKey(k, out);
  if (out.kind == KeyOutcome::Sentinel) trace("sequence done\n");
  switch (out.command) {
    case ProgramCommand::OnOff:
      PostMessageW(g_program.mainWindow, kMsgToggleOnOff, off ? 1 : 0, 0);
      break;
    case ProgramCommand::Exit:
      PostMessageW(g_program.mainWindow, WM_COMMAND, kCmdExit, 0);
      break;
    case ProgramCommand::None:
      break;
  }
  updateTrayIconForLayout(k.layout);
  return out.result;
}

LRESULT onMouseMessage() {
  MouseEventRecord m;
  MouseOutcome out;
  {
    SynchObject::Guard guard(keyboardLock());
    std::memcpy(&m, &g_program.shared->mouse, sizeof m);
    out = g_keys->onMouse(m);
  }
  if (developerMode())
    trace("mouse %X%s%s exe=%.128s\n", m.message, out.reset ? " reset" : "", out.result & 1 ? " swallowed" : "",
          m.exeName);
  updateTrayIconForLayout(m.layout);
  return out.result;
}

LRESULT CALLBACK receiverProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case hook::kMsgReset: {
      SynchObject::Guard guard(keyboardLock());
      g_keys->resetAndTrack();
      return 0;
    }
    case hook::kMsgKey:
      return onKeyMessage();
    case hook::kMsgMouse:
      return onMouseMessage();
    case hook::kMsgEcho: {
      trace("echo %ld\n", static_cast<long>(lp));
      SynchObject::Guard guard(keyboardLock());
      keyboardEcho(static_cast<uint32_t>(lp));
      return 0;
    }
    case hook::kMsgLayoutActivated:
      updateTrayIconForLayout(static_cast<uintptr_t>(lp));
      return 0;
    case WM_TIMER:
      if (wp == hook::kReceiverTimerId) {
        SynchObject::Guard guard(keyboardLock());
        g_keys->syncLayouts();
      }
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

DWORD WINAPI workThreadProc(LPVOID) {
  g_receiverThread = GetCurrentThreadId();
  HWND w = createMessageWindow(receiverProc, hook::kReceiverTimerId, hook::kReceiverTimerMs);
  if (!w) {
    MessageBoxW(nullptr, L"Orvanta cannot receive keyboard events (its receiver window could not be created).",
                L"Orvanta", MB_ICONERROR);
    ExitProcess(1);
  }
  g_receiver = w;
  g_program.shared->receiver = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(w));
  runThreadMessageLoop();
  return 0;
}

}  // namespace

bool startReceiver(KeyReceiver* keys) {
  if (keys) g_keys = keys;
  HANDLE t = CreateThread(nullptr, 0, workThreadProc, nullptr, CREATE_SUSPENDED, nullptr);
  if (!t) return false;
  ResumeThread(t);
  CloseHandle(t);
  return true;
}

HWND receiverWindow() { return g_receiver; }

SynchObject& keyboardLock() {
  SynchObject* own = g_keys->keyboardLock();
  return own ? *own : g_frameLock;
}

}  // namespace orv::win
