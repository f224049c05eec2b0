#pragma once
// The keyboard subsystem around key handling: the wrong-layout analyser
// (Analysis.cpp), the switch and retype with its undo record (Switch.cpp)
// and the hotkeys with the command dispatcher (Hotkeys.cpp). It is the
// KeyboardSeams implementation that KeyboardState::onKeyEvent calls; the
// program builds one over the hook library's shared block, the process's
// clipboard operations and a KeyboardHost, and a test builds one over the
// simulated desktop.
//
// Everything runs on the receiver thread with the keyboard lock held.

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "clipboard/Clipboard.h"
#include "hook/SharedBlock.h"
#include "keyboard/Analizer.h"
#include "keyboard/KeyHistory.h"
#include "keyboard/KeyboardHost.h"
#include "keyboard/KeyboardSeams.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/SelectionConverter.h"
#include "language/Translit.h"

namespace orv {

class ClipboardHistory;
class NotesStore;

// The last replacement, to be replayed by "!!switch_back".
struct SwitchRecord {
  Str16 text;
  Hkl layout = 0;
  uint32_t codePage = 0;
  uint32_t eraseCount = 0;
};

// A retype fixed when the switch is decided: the target's reading of the
// typed keys from the word (or the preposition before it) to the end, and
// how many characters the application shows for them.
struct SwitchPlan {
  KeybBuffer* target = nullptr;
  Hkl layout = 0;
  uint32_t codePage = 0;
  Str8 text;            // in codePage
  uint32_t eraseCount = 0;
  int32_t keys = 0;     // the typed keys the decision saw
  bool lastKeyShown = false;  // whether the last of them showed a character then
};

// A hotkey bound to a command name. Codes are hotkey-control codes: virtual
// key in bits 0-7, Shift bit 8, Ctrl bit 9, Alt bit 10, extended bit 11.
struct AHotKey {
  Str8 name;
  int32_t code = 0;
  Str16 label;  // a language key with a leading "$"
  void (*action)(class KeyboardEngine&, const Str8& name) = nullptr;
};

class KeyboardEngine : public KeyboardSeams {
 public:
  KeyboardEngine(HookShared& shared, Clipboard& clipboard, KeyboardHost& host);
  ~KeyboardEngine() override;
  // Binds the engine to the keyboard state whose seams it is (before the
  // state's first syncLayouts, so that every buffer gets its Analizer).
  void attach(KeyboardState& state) { myState = &state; }
  KeyboardState& state() { return *myState; }
  HookShared& shared() { return myShared; }
  KeyboardHost& host() { return myHost; }
  Clipboard& clipboard() { return myClipboard; }
  SelectionConverter& selection() { return mySelection; }

  // --- analysis (Analysis.cpp) ---
  Analizer* analizer(const KeybBuffer* buffer);
  const AnalysisWide& wide() const { return myWide; }
  void analyseWord(KeyboardState&, const KeyEventRecord& record) override;
  void decideByDictionary();
  // The layout the user has been writing in most recently (0 until there
  // is one): that of the last finished word typed in it and known in its
  // own language, or the one the program last switched to. It breaks a
  // real tie (Analysis.cpp). Kept for the life of the process: no reset,
  // click, focus change or layout change clears it, as none of them changes
  // what the user has been writing.
  Hkl recentLayout() const { return myRecent; }
  int currentWordLength(KeyboardState&) override;
  // The caret rectangle for menus (screen coordinates) and its flag.
  void caretRectangle(const KeyEventRecord& record, int32_t rect[4], bool& noCaret);

  // --- switch and retype (Switch.cpp) ---
  void startRetype(uint32_t thread, uint32_t eraseCount, Hkl layout);
  void completeSequence(KeyboardState&, const KeyEventRecord& record) override;
  void runSwitchKL(Analizer& target);
  SwitchPlan planSwitch(Analizer& target);
  void retype(const SwitchPlan& plan);
  void switchBack();
  void switchToNextLayout();
  bool fastSwitch(const KeyEventRecord& record, bool enabled);
  void forgetLastSwitch() override;
  const SwitchRecord& undoRecord() const { return myUndo; }
  const SwitchRecord& redoRecord() const { return myRedo; }
  // The application's keyboard state after the last sequence.
  const uint8_t* keyStateAfterSequence() const { return myKeyStateAfter; }

  // --- notes (NoteShortcut.cpp) ---
  // The notes whose shortcuts expand (not owned; none by default).
  void bindNotes(NotesStore* notes) { myNotes = notes; }
  bool expandNoteShortcut(KeyboardState& state, const KeyEventRecord& record) override;

  // --- the clipboard menu's mouse side (ClipboardMouse.cpp) ---
  // The clipboard menu for an application, at a screen point or at the
  // pointer; nothing while the program is switched off.
  void openClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y);
  // The middle button and copy by mouse, for every reported button event;
  // each answers as message 1125 does (bit 0 swallow) and 0 when it leaves
  // the event alone.
  uint32_t onMiddleButton(const MouseEventRecord& record);
  uint32_t onCopyByMouse(const MouseEventRecord& record);
  // The link mode's double middle click: how long after the double-click
  // time the application gets the second press, so that it never takes the
  // two presses for a double click of its own.
  static constexpr uint32_t kLinkPressDelayMs = 10;

  // --- pasting a text chosen in a menu (ChosenPaste.cpp) ---
  // The history that tells whether the user's clipboard may be replaced by
  // a chosen text (not owned; none by default).
  void bindHistory(const ClipboardHistory* history) { myHistory = history; }
  // Puts `text` on the clipboard and pastes it into the thread with no
  // erasing, the typed-word buffers reset first (the caret is about to
  // move). The text stays on the clipboard after the paste when that loses
  // nothing: the clipboard was empty or held a text the history keeps;
  // anything else the user had (an image, files, a text the history never
  // took) comes back as after a retype. False when the clipboard could not
  // be set (nothing is pasted). The caller holds the keyboard lock.
  bool pasteChosenText(uint32_t thread, const Str16& text);
  // A completion or spelling suggestion chosen: the typed word (the last
  // `eraseCount` characters the application shows) replaced by `text` with
  // the retype's sequence, in `layout` when not 0 (a switch). The user's
  // clipboard comes back afterwards. The caller holds the keyboard lock.
  bool replaceTypedText(uint32_t thread, uint32_t eraseCount, const Str16& text, Hkl layout);

  // --- hotkeys (Hotkeys.cpp) ---
  // The table in its order with the default codes.
  void resetHotkeys();
  // Codes from the "hotkey" section's lines ("name=decimal").
  void loadHotkeys(const ArrT<Str8>& names, const ArrT<Str8>& values);
  // From the INI file's "hotkey" section.
  void loadHotkeys();
  bool matchHotkey(const KeyEventRecord& record);
  void runCommand(const Str8& name);
  int32_t hotkeyCode(const char* name, int32_t def) const;
  bool setHotkeyCode(const char* name, int32_t code);
  const ArrT<AHotKey>& hotkeys() const { return myHotkeys; }
  bool switchedOff() const { return mySwitchedOff; }

  // --- KeyboardSeams ---
  bool worksIn(const char* exeName) override;
  bool offerFastSwitch(KeyboardState&, const KeyEventRecord& record, bool enabled) override {
    return fastSwitch(record, enabled);
  }
  bool offerHotkey(KeyboardState&, const KeyEventRecord& record) override { return matchHotkey(record); }
  bool isSwitchedOff() override { return mySwitchedOff; }
  void carryOutSwitch(KeyboardState&, KeybBuffer* target) override;
  void playSound(int index) override { myHost.playSound(index); }
  void textReset() override { ++myShared.resetCount; }
  void notifyMenuKeyUp() override { myHost.requestClipboardCheck(); }
  bool isMenuOpen() override { return myHost.isMenuOpen(); }
  // The menu acts on key-downs (auto-repeats move the selection on).
  void offerKeyToMenu(KeyboardState&, const KeyEventRecord& record) override {
    if (isKeyUp(record.keyFlags)) return;
    if (record.vk == 38 || record.vk == 40) myMenuByKeyboard = true;
    myHost.offerKeyToMenu(record.vk);
  }
  bool menuTakesConfirmKeys() override { return myMenuByKeyboard; }
  void closeMenu() override { myHost.closeMenu(); }
  bool isMenuWindow(uint32_t hwnd) override { return myHost.isMenuWindow(hwnd); }
  uint32_t offerMouseToClipboard(KeyboardState&, const MouseEventRecord& record) override;
  void bufferCreated(KeybBuffer& buffer) override;
  void bufferDestroyed(KeybBuffer& buffer) override;

  // The receiver's continuation of an echo (message 1126 with a step code).
  void onEcho(uint32_t code);
  // The user's clipboard is saved once when a retype borrows it and put
  // back when the last retype's restore comes due: a restore of an earlier
  // loan, overtaken by a newer retype, does nothing (the newer one would
  // otherwise paste the user's text, and its own save would keep ours).
  void restoreClipboard(uint32_t loan);
  bool clipboardBorrowed() const { return myBorrowed; }
  // A loan whose echoes never come back (the application hung or stopped
  // taking posted messages) must not stay open: kLoanDeadlineMs after the
  // last paste the user's clipboard goes back. A loan also ends, with
  // nothing put back, as soon as the clipboard holds something other than
  // what was lent (a text, an image or files): somebody copied since, and
  // that is the user's clipboard now. The due restore and the next retype
  // look for such a copy; the receiver's timer tick calls
  // checkClipboardLoan, which acts only on an overdue loan.
  static constexpr uint32_t kLoanDeadlineMs = 4000;
  void checkClipboardLoan();
  // The selection operations lend the clipboard to the application's copy:
  // the user's content is kept (once per loan) and the clipboard emptied, so
  // that an empty read afterwards means nothing was selected.
  void borrowClipboardForCopy();
  // Puts a text of ours on the clipboard, keeping the user's content first
  // when no loan runs; false (the user's content back) when it cannot be set.
  bool putOnClipboard(const Str16& text);
  // Ends the loan now, the user's content back.
  void returnClipboard() { giveBackClipboard(); }

  // --- transliteration ---
  // Loads every layout's tables from `folder` (the module folder's
  // "Translit"), layouts installed later included, and picks the active set
  // by the "translit" "active" setting, writing the setting back.
  void loadTranslit(const Str16& folder);
  // The active set and its layout's buffer; null when none is active.
  const Translit* activeTranslit(KeybBuffer** buffer = nullptr);
  const Translit* translit(const KeybBuffer* buffer) const;
  // Translit::convert with the active set and its layout's letters.
  bool transliterate(const Str16& text, Str16& wide, Str8& narrow);

 private:
  bool userCopiedSince();
  void giveBackClipboard();
  void selectActiveTranslit(bool writeSetting);
  void translitBufferCreated(KeybBuffer& buffer);
  void translitBufferDestroyed(KeybBuffer& buffer);
  // Makes the layout the recent one; with ownWordOnly only when its word is
  // known in its own language.
  void noteRecentLayout(const Analizer& a, bool ownWordOnly);

  HookShared& myShared;
  Clipboard& myClipboard;
  KeyboardHost& myHost;
  KeyboardState* myState = nullptr;
  std::unordered_map<const KeybBuffer*, std::unique_ptr<Analizer>> myAnalizers;
  AnalysisWide myWide;
  SwitchPlan myPlan;  // of the pending switch target
  Hkl myRecent = 0;
  SwitchRecord myUndo, myRedo;
  uint8_t myKeyStateAfter[256] = {};
  ArrT<AHotKey> myHotkeys;
  bool mySwitchedOff = false;
  NotesStore* myNotes = nullptr;
  bool myBorrowed = false;
  uint32_t myLoan = 0;
  uint32_t myLoanTick = 0;  // when the latest text was lent
  Str16 myLent;             // and that text
  // The clipboard is lent to an application's copy: what it holds is that
  // copy (or nothing), not a text of the user's.
  bool myCopyPending = false;
  SelectionConverter mySelection{*this};
  std::unordered_map<const KeybBuffer*, std::unique_ptr<Translit>> myTranslits;
  Str16 myTranslitFolder;
  bool myTranslitLoaded = false;
  bool myTranslitReselect = false;
  const KeybBuffer* myActiveTranslit = nullptr;
  const ClipboardHistory* myHistory = nullptr;
  // The middle button: a matching release opens the menu in link mode
  // (after a double middle click); the last matching press in link mode.
  bool myMiddlePending = false;
  // The open menu was asked for with the keyboard, or the user has moved
  // into it with Up or Down (menuTakesConfirmKeys).
  bool myMenuByKeyboard = false;
  bool myHadMiddlePress = false;
  uint32_t myMiddlePressTick = 0;
  // Copy by mouse swallowed a right press: its release goes too.
  bool mySwallowRightUp = false;
};

// The display text of a hotkey code ("Ctrl + Alt + VK_F10"); empty for keys
// without a name.
Str16 hotkeyText(int32_t code);

}  // namespace orv
