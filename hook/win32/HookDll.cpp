// or_hook.dll: the keyboard, mouse and get-message hooks. Every instance of
// the library (one per process that Windows maps it into) works on the one
// shared block in the section "shdata"; the decisions come from
// hook/HookLogic.h, this file adds the system calls.

#include <windows.h>

#include <cstddef>
#include <cstring>

#include "hook/HookLogic.h"

using namespace orv;
using namespace orv::hook;

// The section holds the block alone, so field offsets are section offsets.
__attribute__((section("shdata"), shared)) HookShared g_shared = {};

static_assert(offsetof(HookShared, receiver) == 24);
static_assert(offsetof(HookShared, key) == 36);
static_assert(offsetof(HookShared, mouse) == 612);
static_assert(offsetof(HookShared, sequenceActive) == 1168);
static_assert(offsetof(HookShared, leftShift) == 1176);
static_assert(offsetof(HookShared, unused1184) == 1184);
static_assert(offsetof(HookShared, swallowUp) == 1188);
static_assert(offsetof(HookShared, cursorNotHand) == 1444);
static_assert(offsetof(HookShared, eraseCount) == 1456);

namespace {

// Handles live in 32-bit fields; user handles are 32-bit values that Windows
// sign-extends on 64-bit builds.
template <class H>
H fromField(uint32_t v) {
  return reinterpret_cast<H>(static_cast<intptr_t>(static_cast<int32_t>(v)));
}
template <class H>
uint32_t toField(H h) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h));
}

HWND receiver() { return fromField<HWND>(g_shared.receiver); }

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK getMessageProc(int nCode, WPARAM wParam, LPARAM lParam);

bool isPasswordEdit(HWND focus, const char* cls) {
  if (lstrcmpiA(cls, "Edit") != 0) return false;
  return (GetWindowLongW(focus, GWL_STYLE) & ES_PASSWORD) != 0;
}

void fillExeName(char out[128]) {
  char path[260];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) {
    out[0] = 0;
    return;
  }
  exeNameFromPath(path, out);
}

void captureKeyContext() {
  KeyEventRecord& k = g_shared.key;
  std::memset(reinterpret_cast<char*>(&k) + offsetof(KeyEventRecord, sequenceDone), 0,
              sizeof k - offsetof(KeyEventRecord, sequenceDone));
  DWORD thread = GetCurrentThreadId();
  k.thread = thread;
  HWND focus = GetFocus();
  k.focus = toField(focus);
  k.process = GetCurrentProcessId();
  if (focus) GetClassNameA(focus, k.focusClass, 127);
  k.layout = toField(GetKeyboardLayout(thread));
  k.modifiers = (GetKeyState(VK_SHIFT) < 0 ? 1u : 0u) | (GetKeyState(VK_CONTROL) < 0 ? 2u : 0u) |
                (GetKeyState(VK_MENU) < 0 ? 4u : 0u);
  k.capsLock = (GetKeyState(VK_CAPITAL) & 1) ? 1 : 0;
  GetKeyboardState(k.keyState);
  GUITHREADINFO gti = {};
  gti.cbSize = sizeof gti;
  if (GetGUIThreadInfo(thread, &gti)) {
    k.caretRect[0] = gti.rcCaret.left;
    k.caretRect[1] = gti.rcCaret.top;
    k.caretRect[2] = gti.rcCaret.right;
    k.caretRect[3] = gti.rcCaret.bottom;
  }
  POINT pt = {};
  if (GetCaretPos(&pt)) {
    k.caretPos[0] = pt.x;
    k.caretPos[1] = pt.y;
  }
  fillExeName(k.exeName);
  passwordFlag(g_shared) = (focus && isPasswordEdit(focus, k.focusClass)) ? 1 : 0;
}

// The receiver is gone or hung: stop watching (the program installs the
// hooks again when it comes back) and tell the user.
void giveUp();

bool sendToReceiver(UINT msg, DWORD_PTR* result) {
  *result = 0;
  return SendMessageTimeoutW(receiver(), msg, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, result) != 0;
}

void keyEvent(BYTE vk, bool up) { keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

// Carries out one step of a copy or paste sequence in this thread.
class SystemSteps final : public StepSink {
 public:
  void step(const SeqStep& s) override {
    switch (s.kind) {
      case SeqStep::RecordModifiers:
        recordModifiers(g_shared, GetKeyState(VK_LSHIFT), GetKeyState(VK_RSHIFT), GetKeyState(VK_LCONTROL),
                        GetKeyState(VK_RCONTROL));
        break;
      case SeqStep::ReleaseModifiers:
        for (uint8_t vk : kReleasedModifiers) keyEvent(vk, true);
        break;
      case SeqStep::ActivateLayout:
        ActivateKeyboardLayout(fromField<HKL>(g_shared.pasteLayout), 0);
        break;
      case SeqStep::Key:
        keyEvent(s.vk, s.up);
        break;
      case SeqStep::Sentinel:
        keyEvent(kSentinelVk, true);
        break;
    }
  }
};

void toggleOff(BYTE vk) {
  if (GetKeyState(vk) & 1) {
    keyEvent(vk, false);
    keyEvent(vk, true);
  }
}

void runCommand(WPARAM cmd, LPARAM arg) {
  SystemSteps steps;
  switch (cmd) {
    case kCmdActivateLayout:
      ActivateKeyboardLayout(reinterpret_cast<HKL>(arg), 0);
      PostMessageW(receiver(), kMsgLayoutActivated, 0, arg);
      break;
    case kCmdRecordModifiers:
      if (arg == 0) steps.step({SeqStep::RecordModifiers, 0, false});
      break;
    case kCmdEcho:
      PostMessageW(receiver(), kMsgEcho, 0, arg);
      break;
    case kCmdPaste:
      pasteSequence(g_shared.pasteLayout, g_shared.eraseCount, steps);
      break;
    case kCmdCopy:
      copySequence(steps);
      break;
    case kCmdCapsOff:
      toggleOff(VK_CAPITAL);
      break;
    case kCmdNumOff:
      toggleOff(VK_NUMLOCK);
      break;
    case kCmdScrollOff:
      toggleOff(VK_SCROLL);
      break;
    default:
      break;
  }
}

LRESULT passOn(int nCode, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, nCode, wParam, lParam); }

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
  const uint32_t vk = static_cast<uint32_t>(wParam);
  const uint32_t flags = static_cast<uint32_t>(lParam);
  switch (decideKey(g_shared, nCode, vk, flags)) {
    case KeyVerdict::PassOn:
      return passOn(nCode, wParam, lParam);
    case KeyVerdict::Swallow:
      return 1;
    case KeyVerdict::Report:
      break;
  }
  captureKeyContext();
  KeyEventRecord& k = g_shared.key;
  k.vk = vk;
  k.keyFlags = flags;
  k.action = nCode == kHcAction ? 1 : 0;
  BYTE state[256];
  if (GetKeyboardState(state) && finishSequence(g_shared, vk, flags, state)) {
    SetKeyboardState(state);
    std::memcpy(k.keyState, state, sizeof state);
  }
  g_shared.capture = toField(GetCapture());
  DWORD_PTR result;
  if (!sendToReceiver(kMsgKey, &result)) {
    giveUp();
    return passOn(nCode, wParam, lParam);
  }
  switch (afterKeyReport(nCode, vk, static_cast<intptr_t>(result))) {
    case AfterReport::PassOn:
      return passOn(nCode, wParam, lParam);
    case AfterReport::Swallow:
      return 1;
    case AfterReport::RemoveAndResend: {
      g_shared.busy = 1;
      UINT m = isKeyUp(flags) ? WM_KEYUP : WM_KEYDOWN;
      MSG msg;
      PeekMessageW(&msg, nullptr, m, m, PM_REMOVE);
      g_shared.busy = 0;
      g_shared.key.action = 1;
      sendToReceiver(kMsgKey, &result);
      return 1;
    }
  }
  return 1;
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode != HC_ACTION || g_shared.receiver == 0 || g_shared.unhooking != 0)
    return passOn(nCode, wParam, lParam);
  const UINT msg = static_cast<UINT>(wParam);
  if (!isReportedMouseMessage(msg)) return passOn(nCode, wParam, lParam);
  const MOUSEHOOKSTRUCT* mh = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  MouseEventRecord& m = g_shared.mouse;
  m.pt[0] = mh->pt.x;
  m.pt[1] = mh->pt.y;
  m.window = toField(mh->hwnd);
  m.hitTest = mh->wHitTestCode;
  m.extraInfo = static_cast<uint32_t>(mh->dwExtraInfo);
  m.message = msg;
  DWORD thread = GetCurrentThreadId();
  m.thread = thread;
  m.process = GetCurrentProcessId();
  HWND focus = GetFocus();
  m.focus = toField(focus);
  if (focus) GetClassNameA(focus, m.focusClass, 127);
  m.layout = toField(GetKeyboardLayout(thread));
  m.modifiers = 0;
  m.modifiers = (GetKeyState(VK_SHIFT) < 0 ? 1u : 0u) | (GetKeyState(VK_CONTROL) < 0 ? 2u : 0u) |
                (GetKeyState(VK_MENU) < 0 ? 4u : 0u);
  GetKeyboardState(m.keyState);
  m.exeName[0] = 0;
  fillExeName(m.exeName);
  if (msg == WM_MBUTTONDOWN) {
    HCURSOR cur = GetCursor();
    g_shared.cursorNotHand = (cur == nullptr || cur != LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))) ? 1 : 0;
  }
  g_shared.capture = toField(GetCapture());
  DWORD_PTR result;
  if (!sendToReceiver(kMsgMouse, &result)) {
    giveUp();
    return passOn(nCode, wParam, lParam);
  }
  if (result & 2) {
    if (GetCapture()) MessageBeep(0);
    ReleaseCapture();
  }
  if (result & 1) return 1;
  return CallNextHookEx(nullptr, 0, wParam, lParam);
}

LRESULT CALLBACK getMessageProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode != 0 || wParam != PM_REMOVE || g_shared.receiver == 0 || g_shared.unhooking != 0)
    return passOn(nCode, wParam, lParam);
  MSG* msg = reinterpret_cast<MSG*>(lParam);
  if (!isThreadCommand(msg->message, msg->wParam)) return passOn(nCode, wParam, lParam);
  runCommand(msg->wParam, msg->lParam);
  msg->hwnd = nullptr;
  msg->message = 0;
  return passOn(nCode, wParam, lParam);
}

}  // namespace

extern "C" {

__declspec(dllexport) int hookAll(HMODULE module) {
  g_shared.module = toField(module);
  int ok = 1;
  if (g_shared.getMessageHook == 0) {
    HHOOK h = SetWindowsHookExW(WH_GETMESSAGE, getMessageProc, module, 0);
    g_shared.getMessageHook = toField(h);
    if (!h) ok = 0;
  }
  if (g_shared.keyboardHook == 0) {
    HHOOK h = SetWindowsHookExW(WH_KEYBOARD, keyboardProc, module, 0);
    g_shared.keyboardHook = toField(h);
    if (!h) ok = 0;
  }
  if (g_shared.mouseHook == 0) {
    HHOOK h = SetWindowsHookExW(WH_MOUSE, mouseProc, module, 0);
    g_shared.mouseHook = toField(h);
    if (!h) return 0;
  }
  g_shared.unhooking = 0;
  return ok;
}

__declspec(dllexport) int unhookAll() {
  g_shared.unhooking = 1;
  int ok = 1;
  uint32_t* order[3] = {&g_shared.keyboardHook, &g_shared.mouseHook, &g_shared.getMessageHook};
  for (int i = 0; i < 3; ++i) {
    uint32_t& field = *order[i];
    if (field == 0) continue;
    if (UnhookWindowsHookEx(fromField<HHOOK>(field))) {
      field = 0;
    } else {
      if (i == 2) return 0;
      ok = 0;
    }
  }
  return ok;
}

__declspec(dllexport) void* getDLLxEXE() { return &g_shared.receiver; }

}  // extern "C"

namespace {
void giveUp() {
  unhookAll();
  MessageBeep(0);
}
}  // namespace
