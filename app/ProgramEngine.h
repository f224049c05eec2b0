#pragma once
// The keyboard engine as the program runs it, and the receiver's key
// handling over it.
//
// ProgramEngine adds the program's own rules to the engine's seams: keys in
// the standard controls that hold no text are never tracked, and it notes
// whether the last key was taken by a hotkey (for the trace).
//
// EngineKeyReceiver hands each reported key to KeyboardReceiver (which keeps
// the password-field rule) and says what became of it: a hotkey, and the
// on/off command when the key switched the engine off or on, so the program
// can show it in the tray.

#include "keyboard/KeyboardEngine.h"
#include "keyboard/KeyboardReceiver.h"

namespace orv {

class ProgramEngine : public KeyboardEngine {
 public:
  using KeyboardEngine::KeyboardEngine;
  bool isNeverTrackedClass(const char* focusClass) override;
  bool offerHotkey(KeyboardState& state, const KeyEventRecord& record) override;
  // Whether a hotkey matched since the last clearHotkeyMatched().
  bool hotkeyMatched() const { return myHotkeyMatched; }
  void clearHotkeyMatched() { myHotkeyMatched = false; }

 private:
  bool myHotkeyMatched = false;
};

class EngineKeyReceiver : public KeyReceiver {
 public:
  EngineKeyReceiver(KeyboardState& state, ProgramEngine& engine) : myEngine(engine), myKeys(state, engine) {}
  KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) override;
  void resetAndTrack() override { myKeys.resetAndTrack(); }
  void syncLayouts() override { myKeys.syncLayouts(); }

 private:
  ProgramEngine& myEngine;
  KeyboardReceiver myKeys;
};

}  // namespace orv
