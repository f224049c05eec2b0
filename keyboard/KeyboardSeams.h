#pragma once
// The calls key handling makes into the parts of the program built around
// it: the fast layout switch, the switch and its completion, the hotkeys,
// the application policies, the popup menu, the notes shortcut, the word
// analysis and the sounds. Every operation here does nothing (or answers
// "no") by default; the program installs an implementation that forwards to
// those parts, and tests install one that records the calls.
//
// Each call happens at a fixed step of KeyboardState::onKeyEvent with the
// keyboard lock held; none may block.

#include <cstdint>

#include "hook/SharedBlock.h"

namespace orv {

class KeyboardState;
struct KeybBuffer;

enum SoundIndex : int {
  kSndKey = 0,        // "snd_KEY"
  kSndWordFound = 1,  // "snd_WORD_FOUND"
  kSndNotFound = 2,   // "snd_NOT_FOUND"
  kSndSwitch = 3,     // "snd_SWITCH"
};

class KeyboardSeams {
 public:
  virtual ~KeyboardSeams() = default;

  // Policies: whether the program works in this executable, and whether a
  // window class is never tracked.
  virtual bool worksIn(const char* /*exeName*/) { return true; }
  virtual bool isNeverTrackedClass(const char* /*focusClass*/) { return false; }

  // The fast layout switch (given whether the program works here) and the
  // hotkey matcher; true = the key was taken and is swallowed.
  virtual bool offerFastSwitch(KeyboardState&, const KeyEventRecord&, bool /*enabled*/) { return false; }
  virtual bool offerHotkey(KeyboardState&, const KeyEventRecord&) { return false; }
  // Whether the user switched the program off.
  virtual bool isSwitchedOff() { return false; }

  // The popup menu: is one open, offer it a key, close it, and the key-up
  // notice posted to the menu thread (message 1136).
  virtual bool isMenuOpen() { return false; }
  // Whether Enter, Left and Right go to the open menu: yes when the user
  // opened it with the keyboard or has moved into it with Up or Down; a
  // popup that came up by itself while typing leaves them to the
  // application (the Enter that ends a line must not pick a suggestion).
  virtual bool menuTakesConfirmKeys() { return true; }
  virtual void offerKeyToMenu(KeyboardState&, const KeyEventRecord&) {}
  virtual void closeMenu() {}
  virtual void notifyMenuKeyUp() {}

  // The switch: the completion step run by the sentinel of a synthetic
  // sequence, carrying out a pending switch at the key-up, and forgetting
  // the last switch.
  virtual void completeSequence(KeyboardState&, const KeyEventRecord&) {}
  virtual void carryOutSwitch(KeyboardState&, KeybBuffer* /*target*/) {}
  virtual void forgetLastSwitch() {}

  // The notes shortcut expansion on the autocomplete key: true when a
  // shortcut matched (the expansion has erased it, pasted the note and marked
  // the key-up for swallowing).
  virtual bool expandNoteShortcut(KeyboardState&, const KeyEventRecord&) { return false; }

  // The word analysis: sets the outcome's word flags and may set the pending
  // switch target. currentWordLength is the current analysis' word length.
  virtual void analyseWord(KeyboardState&, const KeyEventRecord&) {}
  virtual int currentWordLength(KeyboardState&) { return 0; }

  virtual void playSound(int /*index*/) {}

  // Every reset of the typed text bumps the shared block's reset counter.
  virtual void textReset() {}

  // Buffers came or went (the analyser binds itself to a new buffer; the
  // dictionary order is read again after a change).
  virtual void bufferCreated(KeybBuffer&) {}
  virtual void bufferDestroyed(KeybBuffer&) {}
  virtual void layoutsChanged(KeyboardState&) {}

  // The mouse (onMouseEvent, MouseEvents.h): whether a window is one of the
  // popup menu's, the application seen in a key or mouse event (the policy
  // panel's list of applications without a policy), and the clipboard
  // menu's own mouse handling (the middle button, copy by mouse, the
  // clipboard check), asked only where the program works; its answer to
  // message 1125: bit 0 swallow, bit 1 release the mouse capture.
  virtual bool isMenuWindow(uint32_t /*hwnd*/) { return false; }
  virtual void notePolicyCandidate(const char* /*exeName*/) {}
  virtual uint32_t offerMouseToClipboard(KeyboardState&, const MouseEventRecord&) { return 0; }
};

}  // namespace orv
