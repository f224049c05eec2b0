#include "keyboard/KeyboardReceiver.h"

#include "keyboard/MouseEvents.h"

namespace orv {

KeyOutcome KeyboardReceiver::onKey(const KeyEventRecord& k, bool password, HookShared& /*shared*/) {
  KeyOutcome out;
  if (k.sequenceDone == 1) out.kind = KeyOutcome::Sentinel;
  if (password && k.sequenceDone != 1) {
    out.kind = KeyOutcome::Password;
    if (myEngine.matchHotkey(k)) {
      out.kind = KeyOutcome::Hotkey;
      out.result = 1;
    } else {
      myState.resetAndTrack();
    }
    return out;
  }
  out.result = myState.onKeyEvent(k);
  return out;
}

MouseOutcome KeyboardReceiver::onMouse(const MouseEventRecord& m) { return onMouseEvent(myState, m); }

}  // namespace orv
