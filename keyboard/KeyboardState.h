#pragma once
// The keyboard subsystem's process-wide state and the key-event handler.
// The program makes one at start-up; a test builds a fresh one over a
// simulated keyboard. Everything here is touched only with lock() held:
// the receiver holds it around every key event, mouse event, reset and
// timer tick; the conversions take it themselves.
//
// The typed-key array holds one u32 per key of the current text: scan code
// (bits 0-7), shift state (bits 8-9: 1 Shift, 2 Caps Lock), and the 8-bit
// character the key gave in the layout it was typed in (bits 16-31, 0 while
// unknown). 0x00200000 is a typed space; every element with key code 0
// separates words.

#include <cstdint>
#include <string>

#include "core/ArrT.h"
#include "core/MapT.h"
#include "core/Str.h"
#include "core/SynchObject.h"
#include "hook/SharedBlock.h"
#include "keyboard/KeybBuffer.h"
#include "keyboard/KeyHistory.h"
#include "keyboard/KeyboardSeams.h"
#include "keyboard/KeyboardSettings.h"
#include "platform/Keyboard.h"

namespace orv {

constexpr uint32_t kSpaceElement = 0x00200000;

// Cleared at the start of every key event, read at its end.
struct EventOutcome {
  uint32_t wordFound;
  uint32_t wordKnown;
  uint32_t printableKey;
  uint32_t spaceTyped;
  uint32_t oddEnding;
  uint32_t textGrew;
  uint32_t backspaceTyped;
  uint32_t wordDiscarded;
  uint32_t resetDone;
  uint32_t lastTypedShown;
  uint32_t spellingShown;
  uint32_t switchDone;
};

class KeyboardState {
 public:
  // The port, settings and seams must outlive the state.
  KeyboardState(KeyboardPort& port, KeyboardSettings& settings, KeyboardSeams& seams);
  ~KeyboardState();
  KeyboardState(const KeyboardState&) = delete;
  KeyboardState& operator=(const KeyboardState&) = delete;

  SynchObject& lock() { return myLock; }
  KeyboardPort& port() { return myPort; }
  KeyboardSettings& settings() { return mySettings; }
  KeyboardSeams& seams() { return mySeams; }

  // The key-event handler; non-zero = swallow the key.
  uint32_t onKeyEvent(const KeyEventRecord& record);
  // Drops the text (the layout texts stay until the next rendering) and
  // stops tracking until a Space, the breaking key's key-up or resetAndTrack.
  void resetWord();
  void resetAndTrack();
  // Renders the typed keys through every buffer; sets textGrew when a text
  // became longer than its last rendering.
  void rebuildTexts();
  // The same rendering without touching the event's outcome.
  void renderTexts();
  // Brings the buffers in line with the installed layouts; true when at
  // least two are installed.
  bool syncLayouts();

  // Conversions between installed layouts (they take the lock). False, with
  // the outputs untouched, when a layout has no buffer, fewer than two
  // layouts are installed, or (next layout) no single layout types the text.
  bool convertText(const Str16& text, Hkl from, Hkl to, Str16& wide, Str8& narrow);
  bool convertToNextLayout(const Str16& text, Str16& wide, Str8& narrow);

  KeybBuffer* buffer(Hkl layout);
  // The program's layout order over the installed layouts.
  ArrT<Hkl> layoutOrder();
  // The setting "hkl" "order" changed: the analysis follows the new order.
  void layoutOrderChanged();

  // --- state, read and written by the parts around key handling ---
  ArrT<RawKbd> history;
  // Changed only at its end (append, remove the last, clear): the layout
  // texts follow it key by key from there (KeybBuffer::render).
  ArrT<uint32_t> typedKeys;
  MapT<Hkl, KeybBuffer*> buffers;   // owned
  ArrT<KeybBuffer*> analysisOrder;  // the same buffers, "hkl" "order" first
  KeybBuffer* current = nullptr;
  EventOutcome outcome = {};
  std::string exeName;              // of the last key event
  uint32_t tracking = 1;
  Hkl lastLayout = 0;
  Hkl previousLayout = 0;
  Hkl expectedLayout = 0;           // a layout the program itself asked for
  uint32_t lastFocus = 0;
  uint32_t analysisThread = 0;
  uint32_t switchedInWord = 0;
  KeybBuffer* pendingSwitch = nullptr;
  // The typed keys the pending decision saw; Backspace below them drops it.
  int32_t pendingKeys = 0;
  // The pending dead key of the character fill: its combinations, its own
  // character and the layout of the previous fill.
  const MapT<unsigned, unsigned>* deadCombos = nullptr;
  unsigned deadOwnChar = 0;
  Hkl fillLayout = 0;
  int32_t installedCount = 0;

 private:
  bool typingStep(const KeyEventRecord& record, uint32_t& swallow);
  bool wordBreakCheck(const KeyEventRecord& record);
  void fillCharacter(int32_t index);
  void playKeySounds(const KeyEventRecord& record);
  void rebuildAnalysisOrder();
  void dropDeadKey();

  KeyboardPort& myPort;
  KeyboardSettings& mySettings;
  KeyboardSeams& mySeams;
  SynchObject myLock;
  ArrT<Hkl> mySystemList;  // the installed layouts at the last syncLayouts
};

}  // namespace orv
