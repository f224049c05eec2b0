// The clipboard menu's side of the mouse: the middle button that opens the
// menu and the right click, with the left button holding a selection, that
// copies it.
//
// The middle button works in two ways. Where the pointer is not the hand
// cursor a middle click means nothing much to most applications, so a
// matching press is swallowed and its release opens the menu. Over a link
// (the hand cursor) a middle click has its own meaning, which stays: one
// click passes untouched, and only a double middle click opens the menu. The
// second press of that double click reaches the application as a plain
// press once the double-click time has run out, so that the application
// sees two separate clicks, never a double click of its own. The receiver
// must answer every event at once (the hook library waits for it, and so
// does the typing), so that press is not held back here: it is swallowed
// and the host posts a plain press to the window later.

#include <cstring>

#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

namespace {

constexpr uint32_t kWmLButtonUp = 514;
constexpr uint32_t kWmRButtonDown = 516;
constexpr uint32_t kWmRButtonUp = 517;
constexpr uint32_t kWmNcRButtonUp = 165;
constexpr uint32_t kWmMButtonDown = 519;
constexpr uint32_t kWmMButtonUp = 520;
constexpr uint32_t kWmMButtonDblClk = 521;
constexpr uint32_t kHtClient = 1;
constexpr uint32_t kMkRButton = 0x0002;
constexpr uint32_t kMkMButton = 0x0010;
constexpr uint32_t kModAlt = 4;
constexpr int32_t kPolicyClipboardMenu = 32;  // the application allows the clipboard menu
constexpr uint32_t kSwallow = 1;

std::string exeOf(const MouseEventRecord& r) { return std::string(r.exeName, strnlen(r.exeName, sizeof r.exeName)); }

}  // namespace

void KeyboardEngine::openClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) {
  if (mySwitchedOff) return;
  myMenuByKeyboard = false;
  myHost.showClipboardMenu(thread, exeName, hasPoint, x, y);
}

uint32_t KeyboardEngine::offerMouseToClipboard(KeyboardState&, const MouseEventRecord& r) {
  // A button event may end a copy made with the mouse: the history looks.
  myHost.requestClipboardCheck();
  if (uint32_t taken = onMiddleButton(r)) return taken;
  return onCopyByMouse(r);
}

uint32_t KeyboardEngine::onMiddleButton(const MouseEventRecord& r) {
  if (r.message != kWmMButtonDown && r.message != kWmMButtonUp && r.message != kWmMButtonDblClk) {
    myMiddlePending = false;
    return 0;
  }
  const std::string exe = exeOf(r);
  const int mode = myState ? myState->settings().midBtnModifiers() : 0;
  // While the program is switched off the middle button is the
  // application's, as it is with the setting at 0.
  const bool matches = !mySwitchedOff &&
                       ((mode == 1 && r.modifiers == 0) || (mode == 2 && r.modifiers == kModAlt)) &&
                       myHost.policyAllows(exe.c_str(), kPolicyClipboardMenu);
  auto open = [&]() {
    myHost.bringToForeground(r.window);
    openClipboardMenu(r.thread, exe.c_str(), false, 0, 0);
    return kSwallow;
  };
  if (r.message == kWmMButtonUp && myMiddlePending) {
    myMiddlePending = false;
    return matches ? open() : 0;
  }
  if (!matches) return 0;
  if (myShared.cursorNotHand) return r.message == kWmMButtonUp ? open() : kSwallow;
  if (r.message == kWmMButtonUp) return 0;  // a single click on a link keeps its meaning
  const uint32_t now = myClipboard.tickCount();
  const uint32_t doubleClick = myHost.doubleClickTime();
  const bool second = r.message == kWmMButtonDblClk || (myHadMiddlePress && now - myMiddlePressTick < doubleClick);
  myHadMiddlePress = true;
  myMiddlePressTick = now;
  if (!second) return 0;
  int32_t x = r.pt[0], y = r.pt[1];
  myHost.screenToClient(r.window, x, y);
  myHost.postMouseMessage(r.window, kWmMButtonDown, kMkMButton, x, y, doubleClick + kLinkPressDelayMs);
  myMiddlePending = true;
  return kSwallow;
}

uint32_t KeyboardEngine::onCopyByMouse(const MouseEventRecord& r) {
  if (r.message == kWmRButtonUp || r.message == kWmNcRButtonUp) {
    if (!mySwallowRightUp) return 0;
    mySwallowRightUp = false;
    return kSwallow;
  }
  if (r.message != kWmRButtonDown) return 0;
  mySwallowRightUp = false;
  if (mySwitchedOff || !myState || myState->settings().copyByLRMouse() != 1) return 0;
  const bool leftHeld = r.keyState[1] & 0x80, middleHeld = r.keyState[4] & 0x80;
  if (!leftHeld || middleHeld || r.hitTest != kHtClient) return 0;
  if (isNeverTrackedClass(myHost.windowClass(r.window).c_str())) return 0;
  mySwallowRightUp = true;
  // The left button's release ends the application's selection drag before
  // it copies; the real release, later, finds no drag to end.
  int32_t x = r.pt[0], y = r.pt[1];
  myHost.screenToClient(r.window, x, y);
  myHost.postMouseMessage(r.window, kWmLButtonUp, kMkRButton, x, y, 0);
  myShared.operation = kOpCopyOnly;
  myShared.sequenceActive = 1;
  myHost.requestCopy(r.thread);
  return kSwallow;
}

}  // namespace orv
