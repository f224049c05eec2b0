#pragma once
// A whole simulated desktop for the keyboard subsystem: one application (a
// plain edit control on its own thread), the hook library's shared block
// and procedures (the same decisions as or_hook.dll, hook/HookLogic.h), the
// receiver, the popup menu thread's clipboard restore, a clipboard and a
// clock. The user's keys go through the keyboard hook to onKeyEvent; the
// program's thread commands (23685-23692) are carried out inside the
// application as the get-message hook would; synthetic keys go through the
// keyboard hook again, so real keys typed while a sequence runs are
// swallowed and the sentinel reaches onKeyEvent with sequenceDone.
//
// Time is simulated: nothing sleeps. Messages and keys are processed in the
// order they were posted; timers (the clipboard restore 333 ms after a
// paste) fire when the clock is advanced past them.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "clipboard/Clipboard.h"
#include "clipboard/History.h"
#include "clipboard/Notes.h"
#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/WordMenus.h"
#include "platform/Text.h"
#include "platform/sim/SimClipboard.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimKeyboard.h"

namespace orv::sim {

class SimDesktop : public KeyboardHost {
 public:
  // Installs the layouts (system order = this order) and activates the
  // first; `settings` must outlive the desktop.
  SimDesktop(const std::vector<Hkl>& layouts, KeyboardSettings& settings);
  ~SimDesktop() override;

  // --- the user ---
  // A key pressed or released by the user: queued as input and, with `run`,
  // processed together with everything it causes.
  void userKey(uint32_t vk, uint32_t scan, bool up, bool extended = false, bool run = true);
  // A user's key that reaches the hook at once, ahead of queued keys (a
  // key typed while a synthetic sequence is being played).
  void userKeyNow(uint32_t vk, uint32_t scan, bool up) { hookKey(vk, scan, up, false); }
  // A left click in the edit control that puts the caret at `caret`: the
  // press and the release go through the mouse hook to onMouseEvent (on
  // `window`, the edit control when 0), then the press moves the caret.
  void userClick(int32_t caret, uint32_t window = 0);
  // Processes queued messages and keys until none is left (timers wait).
  void pump();
  // Processes one queued item; false when the queue was empty.
  bool step();
  // Advances the clock, firing due timers (and pumping after each).
  void advance(uint32_t ms);
  // Pumps, then runs the clock until no timer is left.
  void idle();
  // A mouse button message (WM_MBUTTONDOWN ...) at a screen point on
  // `window` (the edit control when 0) through the mouse hook to
  // onMouseEvent, with the buttons in `held` (VK_LBUTTON 1, VK_RBUTTON 2,
  // VK_MBUTTON 4) down meanwhile and the hand cursor shown or not; true when
  // the program swallowed it.
  bool userMouse(uint32_t message, int32_t x, int32_t y, uint32_t window = 0, bool handCursor = false,
                 const std::vector<uint8_t>& held = {});
  // The user switches the application's layout (Alt+Shift as the system does it).
  bool userSwitchLayout(Hkl layout);

  // --- the application ---
  const Str16& appText() const { return myText; }
  std::string appTextUtf8() const;
  void setAppText(const Str16& text);  // caret at the end, no selection
  void select(int32_t start, int32_t end);  // anchor at start, caret at end
  Str16 selectedText() const;
  Hkl activeLayout() { return keyboard.currentLayout(); }
  SimApp& app() { return myInput.app(); }
  // Keys the application received, as "down 41" / "up 41" (hex vk).
  const std::vector<std::string>& appKeys() const { return myAppKeys; }

  // --- the program ---
  std::function<int(const Str8&, int32_t)> dictionary;  // checkInSet
  std::function<int(const Str8&, int32_t, const Str8&)> languageDictionary;  // checkInLanguage
  std::vector<int> sounds;                               // sound indices played
  std::vector<std::string> trace;                        // with tracing on
  bool tracing = false;
  bool soundOn = true;
  int32_t policyMask = -1;
  std::function<bool(const char*, int32_t)> policy;  // when set, asked instead of policyMask
  // When set, the time of every onKeyEvent call for a user's key (µs).
  std::vector<double>* keyTimes = nullptr;                               // every application's policy
  // The application stops taking the program's echo messages (it hung or
  // is closing), so no echo chain completes.
  bool echoesLost = false;
  int32_t clipboardRestores = 0;
  // The menu thread's clipboard check (after key-ups and clicks) feeds the
  // history; each change calls storesChanged (the program saves there).
  ClipboardHistory history;
  NotesStore notes;
  std::function<void()> storesChanged;
  int32_t historyChanges = 0;
  Str16 clipboardText();

  SimKeyboard keyboard;
  SimClipboard clipboardPort;
  Clipboard clipboard{clipboardPort};
  HookShared shared{};
  KeyboardEngine engine{shared, clipboard, *this};
  KeyboardState state;

  // KeyboardHost
  int checkInSet(const Str8& word, int32_t codePage) override;
  int checkInLanguage(const Str8& word, int32_t codePage, const Str8& language) override {
    return languageDictionary ? languageDictionary(word, codePage, language) : 0;
  }
  void postThreadCommand(uint32_t thread, uint32_t command, uint32_t lParam) override;
  void postRestoreClipboard(uint32_t loan) override;
  void requestClipboardCheck() override { myQueue.push_back(Item{Item::ClipboardCheck}); }
  bool isWindow(uint32_t hwnd) override { return hwnd != 0 && hwnd == myInput.app().focus; }
  void clientOrigin(uint32_t, int32_t& x, int32_t& y) override { x = 100, y = 200; }
  bool policyAllows(const char* exe, int32_t mask) override {
    return policy ? policy(exe, mask) : (policyMask & mask) == mask;
  }
  void playSound(int index) override;
  void debugLog(const char* line) override;
  // The receiver's waits pass on the simulated clock.
  void sleep(uint32_t ms) override { clipboardPort.sleep(ms); }
  void lastTypedWord(Hkl layout, const Str8& word) override;
  std::vector<std::string> lastTyped;  // words handed to the last-typed store (8-bit)
  // The popup menu, when a test or orvanta-sim gives one (none shown otherwise).
  class Menu {
   public:
    virtual ~Menu() = default;
    virtual bool isOpen() = 0;
    virtual void offerKey(uint32_t vk) = 0;
    virtual void close() = 0;
    virtual bool isMenuWindow(uint32_t hwnd) = 0;
    virtual void showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) = 0;
    // A completion or spelling popup at the caret rectangle (at the pointer
    // with `noCaret`); the menu takes the tree.
    virtual void showWordMenu(XMenu* root, const int32_t rect[4], bool noCaret) {
      (void)rect, (void)noCaret;
      delete root;
    }
  };
  // The completion and spelling popups and the last-typed store, when a test
  // or orvanta-sim gives them (not owned).
  WordMenus* wordMenus = nullptr;
  bool showCompletion(Hkl layout, const Str8& word, const int32_t rect[4], bool noCaret) override;
  void spellingSuggestions(Hkl layout, const Str8& word, const int32_t rect[4], bool noCaret) override;
  void wordEndSpellingCheck(Hkl layout, const Str8& word, const int32_t rect[4], bool noCaret) override;
  Menu* menu = nullptr;
  // Work for the menu thread (showing a menu, a key offered to it), run in
  // order with the queued keys and messages, after the event that asked.
  void postToMenuThread(std::function<void()> call) {
    myMenuCalls.push_back(std::move(call));
    myQueue.push_back(Item{Item::MenuCall});
  }
  bool isMenuOpen() override { return menu && menu->isOpen(); }
  void offerKeyToMenu(uint32_t vk) override {
    if (menu) menu->offerKey(vk);
  }
  void closeMenu() override {
    if (menu) menu->close();
  }
  bool isMenuWindow(uint32_t hwnd) override { return menu && menu->isMenuWindow(hwnd); }
  void showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) override;
  // The requests, as "menu THREAD EXE at X,Y" or "... at the pointer".
  std::vector<std::string> menuRequests;
  // The mouse side of the clipboard menu. Messages posted to windows are
  // kept with the simulated time they are due.
  struct PostedMouse {
    uint32_t window, message, wParam;
    int32_t x, y;
    uint32_t due;
  };
  std::vector<PostedMouse> postedMouse;
  uint32_t doubleClick = 500;
  int32_t foregrounds = 0;
  uint32_t doubleClickTime() override { return doubleClick; }
  void screenToClient(uint32_t, int32_t& x, int32_t& y) override { x -= 100, y -= 200; }
  void postMouseMessage(uint32_t hwnd, uint32_t message, uint32_t wParam, int32_t x, int32_t y,
                        uint32_t delayMs) override {
    postedMouse.push_back(PostedMouse{hwnd, message, wParam, x, y, clipboardPort.tickCount() + delayMs});
  }
  void bringToForeground(uint32_t) override { ++foregrounds; }
  std::string windowClass(uint32_t hwnd) override { return hwnd == app().focus ? app().focusClass : ""; }
  void requestCopy(uint32_t thread) override { postThreadCommand(thread, hook::kCmdCopy, 0); }
  void editCopiedSelection(const Str16& text) override { editorTexts.push_back(utf16ToUtf8(text)); }
  std::vector<std::string> editorTexts;  // selections copied for the notes editor

 private:
  struct Item {
    enum Kind { Key, ThreadCommand, Echo, LayoutReport, ClipboardCheck, MenuCall } kind;
    uint32_t a = 0, b = 0;   // Key: vk, scan | ThreadCommand: command, lParam | Echo: code
    bool up = false, extended = false;
  };
  struct Timer {
    uint32_t due;
    uint32_t loan;
  };
  void runItem(const Item& item);
  void hookKey(uint32_t vk, uint32_t scan, bool up, bool extended);
  void appKey(uint32_t vk, bool up);
  void traceAnalysis();
  void threadCommand(uint32_t command, uint32_t lParam);
  void synthKey(uint32_t vk, bool up) { myQueue.push_back(Item{Item::Key, vk, 0, up, false}); }
  void insertText(const char16_t* s, int32_t n);
  void note(const std::string& line) {
    if (tracing) trace.push_back(line);
  }

  SimInput myInput;
  std::deque<Item> myQueue;
  std::deque<std::function<void()>> myMenuCalls;
  std::vector<Timer> myTimers;
  Str16 myText;
  int32_t myCaret = 0, myAnchor = 0;
  std::vector<std::string> myAppKeys;
};

}  // namespace orv::sim
