#pragma once
// What the analyser, the switch and the hotkeys need from the program around
// them: the dictionary set, posting thread commands into the application
// (PostThreadMessageW 23685), the window queries for the caret rectangle,
// the application policies, sounds, the debug log and sleeping. The
// operations of later parts of the program (completion, spelling,
// last-typed words, the clipboard menu, the notes editor, the options
// window, exit) are seams here: by default they do
// nothing, and the program or a test overrides the ones it has.

#include <cstdint>
#include <string>

#include "core/Str.h"
#include "platform/Keyboard.h"

namespace orv {

class KeyboardHost {
 public:
  virtual ~KeyboardHost() = default;

  // The dictionary set: 0 unknown, 1 a whole word, 2 only the beginning of
  // words (8-bit word in `codePage`).
  virtual int checkInSet(const Str8& /*word*/, int32_t /*codePage*/) { return 0; }
  // The same answer from the dictionaries of one language only ("ru", the
  // ISO code of a layout's language), whatever else shares the code page.
  virtual int checkInLanguage(const Str8& /*word*/, int32_t /*codePage*/, const Str8& /*language*/) { return 0; }

  // PostThreadMessageW(thread, 23685, command, lParam).
  virtual void postThreadCommand(uint32_t thread, uint32_t command, uint32_t lParam) = 0;
  // Message 1137 to the popup menu thread: 333 ms from now it calls
  // KeyboardEngine::restoreClipboard(loan) with the keyboard lock held.
  virtual void postRestoreClipboard(uint32_t loan) = 0;

  // Message 1136 to the popup menu thread: look at the clipboard for the
  // history (after each key-up and mouse button event where the program works).
  virtual void requestClipboardCheck() {}

  // IsWindow and ClientToScreen of (0, 0).
  virtual bool isWindow(uint32_t /*hwnd*/) { return false; }
  virtual void clientOrigin(uint32_t /*hwnd*/, int32_t& x, int32_t& y) { x = y = 0; }

  // The application policy of an executable (Policies.h bits).
  virtual bool policyAllows(const char* /*exeName*/, int32_t /*mask*/) { return true; }

  virtual void playSound(int /*index*/) {}
  virtual void debugLog(const char* /*line*/) {}
  // Sleep on the receiver thread (the selection operations' waits for the
  // application's clipboard work); a simulated host advances its clock.
  virtual void sleep(uint32_t /*ms*/) {}

  // The popup menu on its thread: whether one is shown, a key offered to it
  // while it is (Escape, Enter, the arrows), closing it, and whether a
  // window is one of its windows.
  virtual bool isMenuOpen() { return false; }
  virtual void offerKeyToMenu(uint32_t /*vk*/) {}
  virtual void closeMenu() {}
  virtual bool isMenuWindow(uint32_t /*hwnd*/) { return false; }

  // The mouse side of the clipboard menu (ClipboardMouse.cpp).
  // GetDoubleClickTime.
  virtual uint32_t doubleClickTime() { return 500; }
  // ScreenToClient of a window.
  virtual void screenToClient(uint32_t /*hwnd*/, int32_t& /*x*/, int32_t& /*y*/) {}
  // PostMessageW(hwnd, message, wParam, MAKELPARAM(x, y)) `delayMs` from
  // now, without waiting here (0: at once).
  virtual void postMouseMessage(uint32_t /*hwnd*/, uint32_t /*message*/, uint32_t /*wParam*/, int32_t /*x*/,
                                int32_t /*y*/, uint32_t /*delayMs*/) {}
  // SetForegroundWindow of the window's top-level window.
  virtual void bringToForeground(uint32_t /*hwnd*/) {}
  // The class name of a window (empty when it has none or is gone).
  virtual std::string windowClass(uint32_t /*hwnd*/) { return std::string(); }
  // Message 1138 to the popup menu thread: the hook library copies the
  // selection in the thread (thread command 23689). The engine has set the
  // sequence going.
  virtual void requestCopy(uint32_t /*thread*/) {}

  // --- seams of later parts ---
  // Last-typed words (a whole word with one trailing character).
  virtual void lastTypedWord(Hkl /*layout*/, const Str8& /*word*/) {}
  // Completion while the word is typed; true when a menu is shown.
  virtual bool showCompletion(Hkl /*layout*/, const Str8& /*word*/, const int32_t /*rect*/[4], bool /*noCaret*/) {
    return false;
  }
  // Spelling suggestions while typing, and the check at the word's end.
  virtual void spellingSuggestions(Hkl /*layout*/, const Str8& /*word*/, const int32_t /*rect*/[4], bool /*noCaret*/) {}
  virtual void wordEndSpellingCheck(Hkl /*layout*/, const Str8& /*word*/, const int32_t /*rect*/[4], bool /*noCaret*/) {}
  // The selection copied for the notes editor ("Check spelling"): the
  // editor opens with the text (the user's clipboard is back already).
  virtual void editCopiedSelection(const Str16& /*text*/) {}
  virtual void openPolicies(const char* /*exeName*/) {}
  // The clipboard menu for an application's thread, at a screen point or
  // (hasPoint false) at the mouse pointer. KeyboardEngine::openClipboardMenu
  // calls it, never while the program is switched off.
  virtual void showClipboardMenu(uint32_t /*thread*/, const char* /*exeName*/, bool /*hasPoint*/, int32_t /*x*/,
                                 int32_t /*y*/) {}
  virtual void newNote() {}
  virtual void exitProgram() {}
};

}  // namespace orv
