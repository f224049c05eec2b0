#pragma once
// The receiver's key handling once the keyboard subsystem is in place: the
// KeyReceiver (hook/ReceiverKeys.h) that hands each reported key to
// KeyboardState::onKeyEvent, whose seams are a KeyboardEngine. The receiver
// keeps its own lock, trace and tray icon; echo codes go to
// KeyboardEngine::onEcho.
//
// A key typed into a password field is still offered to the hotkeys (so
// Ctrl+Alt+D works there) but is otherwise dropped untracked: the typed text
// is reset and nothing of it is kept.
//
// Mouse button events go to onMouseEvent (MouseEvents.h).

#include "hook/ReceiverKeys.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

class KeyboardReceiver : public KeyReceiver {
 public:
  KeyboardReceiver(KeyboardState& state, KeyboardEngine& engine) : myState(state), myEngine(engine) {}
  KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) override;
  MouseOutcome onMouse(const MouseEventRecord& m) override;
  void resetAndTrack() override { myState.resetAndTrack(); }
  // The receiver's timer tick: also ends a clipboard loan left overdue.
  void syncLayouts() override {
    myState.syncLayouts();
    myEngine.checkClipboardLoan();
  }
  SynchObject* keyboardLock() override { return &myState.lock(); }

 private:
  KeyboardState& myState;
  KeyboardEngine& myEngine;
};

}  // namespace orv
