#pragma once
// What the receiver does with a reported key until the key handling of the
// keyboard module takes over (a seam: `KeyReceiver` is the interface the
// receiver calls, `FrameKeyReceiver` the frame's own implementation).
//
// The frame's implementation knows the two program commands that must work
// from the first start: "!!!onoff" on Ctrl+Alt+D and "!!exit" on
// Ctrl+Alt+F10. Their key-down is swallowed by the result and their key-up
// through swallowUp, so the application sees neither. A key typed into a
// password field is dropped untracked: it is neither analysed nor kept.

#include <cstdint>

#include "core/SynchObject.h"
#include "hook/SharedBlock.h"

namespace orv {

enum class ProgramCommand { None, OnOff, Exit };

// What became of one key report.
struct KeyOutcome {
  intptr_t result = 0;  // the answer to message 1124: non-zero swallows
  ProgramCommand command = ProgramCommand::None;
  enum Kind { Tracked, Password, Sentinel, Hotkey } kind = Tracked;
};

// What became of one mouse report.
struct MouseOutcome {
  intptr_t result = 0;  // the answer to message 1125: bit 0 swallows, bit 1 releases the capture
  bool reset = false;   // the typed text was dropped
};

class KeyReceiver {
 public:
  virtual ~KeyReceiver() = default;
  // Called under the keyboard lock with the copied key record, whether the
  // focus was a password field, and the shared block for swallowUp marks.
  virtual KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) = 0;
  // Called under the keyboard lock with the copied mouse record. Until the
  // key handling takes over there is no typed text to drop.
  virtual MouseOutcome onMouse(const MouseEventRecord&) { return MouseOutcome(); }
  virtual void resetAndTrack() {}
  virtual void syncLayouts() {}
  // The keyboard lock of the state behind the receiver, when it has one of
  // its own (the receiver then holds that lock and no other).
  virtual SynchObject* keyboardLock() { return nullptr; }
};

// Ctrl+Alt+D and Ctrl+Alt+F10 (without Shift), key-down, removed from the
// queue (action 1); auto-repeats of the down are swallowed without a second
// command.
struct HotkeyMatch {
  bool matched = false;
  bool repeat = false;
  ProgramCommand command = ProgramCommand::None;
};
HotkeyMatch matchFrameHotkey(const KeyEventRecord& k);

class FrameKeyReceiver : public KeyReceiver {
 public:
  KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) override;
};

}  // namespace orv
