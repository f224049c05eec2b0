// The key-event handler: from a key record to the typed keys, the layout
// texts, the analysis and the key sounds.

#include <cstring>

#include "keyboard/KeyboardState.h"

namespace orv {

namespace {

constexpr uint32_t kShift = 1, kCtrl = 2, kAlt = 4;

bool isModifierOrLockVk(uint32_t vk) {
  switch (vk) {
    case 16: case 160: case 161:  // Shift
    case 17: case 162: case 163:  // Ctrl
    case 18: case 164: case 165:  // Alt
    case 20: case 19: case 144: case 145:  // Caps Lock, Pause, Num Lock, Scroll Lock
      return true;
    default:
      return false;
  }
}

uint32_t autocompleteVk(int setting) {
  switch (setting) {
    case 1: return 32;
    case 2: return 9;
    case 3: return 13;
    default: return 0;
  }
}

std::string boundedText(const char* field, size_t size) {
  size_t n = 0;
  while (n < size && field[n]) ++n;
  return std::string(field, n);
}

}  // namespace

uint32_t KeyboardState::onKeyEvent(const KeyEventRecord& r) {
  exeName = boundedText(r.exeName, sizeof(r.exeName));
  std::string focusClass = boundedText(r.focusClass, sizeof(r.focusClass));
  outcome = {};
  // A new focus window or a layout change the program did not ask for
  // starts a new text.
  if (r.focus != lastFocus) {
    lastFocus = r.focus;
    resetAndTrack();
  }
  if (r.layout != lastLayout) {
    if (r.layout != expectedLayout) resetAndTrack();
    previousLayout = lastLayout;
    lastLayout = r.layout;
    expectedLayout = 0;
  }
  if (r.sequenceDone == 1) {
    mySeams.completeSequence(*this, r);
    return 0;
  }
  if (focusClass == "msctls_hotkey32") return 0;  // keys being chosen for a hotkey
  appendKeyHistory(history, r);
  bool enabled = mySeams.worksIn(exeName.c_str());
  if (mySeams.offerFastSwitch(*this, r, enabled)) return 1;
  if (mySeams.offerHotkey(*this, r)) return 1;
  if (r.layout == 0) {
    resetAndTrack();
    return 0;
  }
  // Alt+Tab, modifiers and lock keys alone, Ctrl or Alt chords.
  uint32_t vk = r.vk;
  bool up = isKeyUp(r.keyFlags);
  if ((r.modifiers & kAlt) && vk == 9) {
    resetAndTrack();
    return 0;
  }
  if (isModifierOrLockVk(vk)) return 0;
  if (!up && (r.modifiers & (kCtrl | kAlt))) {
    resetAndTrack();
    return 0;
  }
  if (!enabled) {
    resetAndTrack();
    return 0;
  }
  // An open popup menu takes its own keys: Escape (which also drops the
  // word), Up and Down, and Enter, Left and Right when menuTakesConfirmKeys
  // says so. Any other key closes the menu and reaches the application as
  // usual: a letter typed while a menu is up is never lost. (Only a key-down
  // closes it: the release of the key that opened the menu must not.)
  // Asked once per key; with no menu open nothing more is looked at.
  const bool menuOpen = mySeams.isMenuOpen();
  const bool menuKey =
      menuOpen && (
      vk == 27 || vk == 38 || vk == 40 || ((vk == 13 || vk == 37 || vk == 39) && mySeams.menuTakesConfirmKeys()));
  if (menuOpen && !menuKey && r.action != 0 && !up) mySeams.closeMenu();
  if (r.action == 0) return menuKey ? 1 : 0;
  if (menuKey) {
    mySeams.offerKeyToMenu(*this, r);
    if (vk == 27) {
      if (typedKeys.size() == 0 || (typedKeys.last() & 0xFFFF) == 0) resetAndTrack();
      else resetWord();
    }
    return 1;
  }
  if (mySeams.isNeverTrackedClass(focusClass.c_str())) {
    resetAndTrack();
    return 0;
  }
  if (up) mySeams.notifyMenuKeyUp();
  uint32_t swallow = 0;
  if (typingStep(r, swallow)) return swallow;
  // Whatever changed the text ends the menu and the undo of the last switch.
  if (outcome.textGrew || outcome.backspaceTyped || outcome.wordDiscarded || outcome.resetDone) {
    if (mySeams.isMenuOpen()) mySeams.closeMenu();
    mySeams.forgetLastSwitch();
  }
  if (mySeams.isSwitchedOff() || !current || up) return 0;
  // Analysis after a key that grew or shortened the text, unless it ends
  // in two spaces.
  bool anyText = false;
  for (int32_t i = 0; i < buffers.size(); ++i)
    if (buffers.valAt(i)->text.size() > 0) anyText = true;
  int32_t n = typedKeys.size();
  bool twoSpaces = n >= 2 && (typedKeys[n - 1] & 0xFFFF) == 0 && (typedKeys[n - 2] & 0xFFFF) == 0;
  if (anyText && !twoSpaces && (outcome.textGrew || outcome.backspaceTyped)) mySeams.analyseWord(*this, r);
  playKeySounds(r);
  return 0;
}

void KeyboardState::playKeySounds(const KeyEventRecord& r) {
  const EventOutcome& o = outcome;
  bool repeat = (r.keyFlags & 0x40000000u) != 0;
  if (o.switchDone) return;
  bool edited = o.textGrew || o.backspaceTyped;
  bool keySound = false;
  if (edited && mySeams.currentWordLength(*this) < mySettings.workStartSymbolCount()) {
    keySound = true;
  } else {
    if (o.spaceTyped && o.wordFound) {
      mySeams.playSound(kSndWordFound);  // also on a repeat
      return;
    }
    if (!o.spaceTyped && o.wordFound) {
      keySound = true;
    } else if (o.wordKnown || o.lastTypedShown || o.oddEnding) {
      keySound = true;
    } else if (edited) {
      if (!repeat) mySeams.playSound(kSndNotFound);
      return;
    } else if (!o.printableKey) {
      return;
    } else {
      keySound = true;
    }
  }
  if (keySound && !repeat) mySeams.playSound(kSndKey);
}

// Returns true when the event ends here with `swallow` as its result; false
// to go on with the rest of onKeyEvent.
bool KeyboardState::typingStep(const KeyEventRecord& r, uint32_t& swallow) {
  swallow = 0;
  current = buffer(r.layout);
  if (!current) {
    resetWord();
    return true;
  }
  uint32_t vk = r.vk;
  bool up = isKeyUp(r.keyFlags);
  uint32_t mods = r.modifiers & (kShift | kCtrl | kAlt);
  if (!tracking) {
    if (vk == 32) resetAndTrack();
    else wordBreakCheck(r);
    return true;
  }
  if (up) {
    if (pendingSwitch) {
      switchedInWord = 1;
      KeybBuffer* target = pendingSwitch;
      pendingSwitch = nullptr;
      mySeams.carryOutSwitch(*this, target);
    }
    wordBreakCheck(r);
    return false;
  }
  // Key-down.
  if (mods == 0 && typedKeys.size() > 0 && vk != 0 && vk == autocompleteVk(mySettings.autocomplete())) {
    rebuildTexts();
    if (mySeams.expandNoteShortcut(*this, r)) {
      resetAndTrack();
      mySeams.playSound(kSndWordFound);
      swallow = 1;
      return true;
    }
  }
  if (wordBreakCheck(r)) return true;
  unsigned shiftState = ((mods & kShift) ? 1u : 0u) | (r.capsLock ? 2u : 0u);
  unsigned code = keyCode((r.keyFlags >> 16) & 0xFF, shiftState);
  if (vk == 32 && !(mods & (kCtrl | kAlt))) {
    switchedInWord = 0;
    dropDeadKey();  // the space gave a pending dead key's own character
    typedKeys.append(kSpaceElement);
    outcome.textGrew = 1;
    outcome.spaceTyped = 1;
    rebuildTexts();
  } else if (vk == 8 && !(mods & (kCtrl | kAlt))) {
    if (typedKeys.size() > 0) {
      typedKeys.remove(typedKeys.size() - 1);
      if (typedKeys.size() == 0) resetAndTrack();
      if (typedKeys.size() < pendingKeys) pendingSwitch = nullptr;  // the decided text is gone
    }
    outcome.backspaceTyped = 1;
    rebuildTexts();
  } else {
    typedKeys.append(code);
    fillCharacter(typedKeys.size() - 1);
    rebuildTexts();
  }
  if (!outcome.textGrew && !outcome.backspaceTyped) {
    if (vk == 32 || vk == 13 || vk == 8 || current->map.toChar.contains(code)) outcome.printableKey = 1;
  }
  return false;
}

// Keys that end the text. Returns true when the key was one.
bool KeyboardState::wordBreakCheck(const KeyEventRecord& r) {
  uint32_t vk = r.vk;
  uint32_t mods = r.modifiers & (kShift | kCtrl | kAlt);
  // Tab as well: applications show it (or move the focus), while no
  // layout renders it, so a retype across it would erase one character
  // too few.
  bool breaking = (vk >= 112 && vk <= 123) || vk == 13 || vk == 9 || (vk >= 33 && vk <= 40) || vk == 46 ||
                  (vk == 45 && mods == kShift) || ((vk == 86 || vk == 90 || vk == 32) && mods == kCtrl);
  if (!breaking) return false;
  if (isKeyUp(r.keyFlags)) {
    resetAndTrack();
  } else {
    resetWord();
    if (vk == 13 && !(r.keyFlags & 0x40000000u) && !mySeams.isSwitchedOff()) mySeams.playSound(kSndKey);
  }
  return true;
}

// Gives the new element at `index` its character in the current layout,
// carrying a pending dead key over from the element before.
void KeyboardState::fillCharacter(int32_t index) {
  const LayoutCharMap& map = current->map;
  if (current->layout != fillLayout) dropDeadKey();
  fillLayout = current->layout;
  uint32_t& e = typedKeys[index];
  unsigned code = e & 0xFFFF;
  unsigned ch = 0;
  if (code == 0) {
    ch = deadCombos ? deadOwnChar : 32;
    dropDeadKey();
  } else if (deadCombos) {
    const unsigned* combined = deadCombos->get(code);
    deadCombos = nullptr;
    if (combined && *combined) {
      ch = *combined;
      deadOwnChar = 0;
    } else if (deadOwnChar) {
      if (index > 0) typedKeys[index - 1] = (typedKeys[index - 1] & 0xFFFF) | (deadOwnChar << 16);
      deadOwnChar = 0;
      const unsigned* plain = map.toChar.get(code);
      ch = plain ? *plain : 0;
    }
  } else if (const MapT<unsigned, unsigned>* combos = map.deadKeys.get(code)) {
    deadCombos = combos;
    const unsigned* own = map.toChar.get(code);
    deadOwnChar = own ? *own : 0;
  } else {
    const unsigned* plain = map.toChar.get(code);
    ch = plain ? *plain : 0;
    deadOwnChar = 0;
  }
  e = code | (ch << 16);
}

}  // namespace orv
