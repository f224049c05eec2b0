#pragma once
// The keyboard engine as the program runs it, and the receiver's key
// handling over it.
//
// ProgramEngine adds the program's own rules to the engine's seams: keys in
// the standard controls that hold no text are never tracked, and it notes
// whether the last key was taken by a hotkey (for the trace). Every key and
// mouse event names its application to the policies' list of candidates.
// When the installed layouts change, the dictionaries learn them and read
// their order again.
//
// EngineKeyReceiver hands each reported key to KeyboardReceiver (which keeps
// the password-field rule) and says what became of it: a hotkey, and the
// on/off command when the key switched the engine off or on, so the program
// can show it in the tray.

#include "keyboard/KeyboardEngine.h"
#include "keyboard/KeyboardReceiver.h"

namespace orv {

class ProgramWords;

class ProgramEngine : public KeyboardEngine {
 public:
  using KeyboardEngine::KeyboardEngine;
  // The word knowledge that follows the installed layouts (not owned).
  void bindWords(ProgramWords* words) { myWords = words; }
  void layoutsChanged(KeyboardState& state) override;
  bool isNeverTrackedClass(const char* focusClass) override;
  bool offerHotkey(KeyboardState& state, const KeyEventRecord& record) override;
  void notePolicyCandidate(const char* exeName) override;
  // Whether a hotkey matched since the last clearHotkeyMatched().
  bool hotkeyMatched() const { return myHotkeyMatched; }
  void clearHotkeyMatched() { myHotkeyMatched = false; }

 private:
  bool myHotkeyMatched = false;
  ProgramWords* myWords = nullptr;
};

class EngineKeyReceiver : public KeyReceiver {
 public:
  EngineKeyReceiver(KeyboardState& state, ProgramEngine& engine) : myEngine(engine), myKeys(state, engine) {}
  KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) override;
  MouseOutcome onMouse(const MouseEventRecord& m) override { return myKeys.onMouse(m); }
  void resetAndTrack() override { myKeys.resetAndTrack(); }
  void syncLayouts() override { myKeys.syncLayouts(); }
  SynchObject* keyboardLock() override { return myKeys.keyboardLock(); }

 private:
  ProgramEngine& myEngine;
  KeyboardReceiver myKeys;
};

}  // namespace orv
