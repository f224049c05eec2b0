// The keyboard engine in the program: the KeyboardHost over the Win32 calls,
// the word knowledge of the module folder (ProgramWords), the
// keyboard state with the engine as its seams, and the hotkey table from
// the INI file. Everything the engine does runs on the receiver thread with
// the keyboard lock held (DllReceiver.cpp).

#include "app/KeyboardConfig.h"
#include "app/LocalStr.h"
#include "app/Policies.h"
#include "app/ProgramEngine.h"
#include "app/ProgramWords.h"
#include "app/Sounds.h"
#include "app/win32/Program.h"
#include "app/win32/options/OptionsPanel.h"
#include "clipboard/EditorModel.h"
#include "clipboard/History.h"
#include "clipboard/Notes.h"
#include "core/DebugLog.h"
#include "hook/HookLogic.h"
#include "keyboard/SelectionConverter.h"
#include "keyboard/WordMenus.h"
#include "platform/FileSystem.h"

namespace orv::win {

namespace {

HWND toWindow(uint32_t hwnd) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(hwnd)); }

Str16 moduleFolder() {
  Str16 folder;
  for (const wchar_t* p = g_program.moduleFolder; *p; ++p) folder.append(static_cast<char16_t>(*p));
  return folder;
}

// A mouse message posted later (the link mode's second middle press): one
// at a time, on a timer of the receiver thread, which asks for it and runs
// the timer's callback in its message loop.
struct LaterMouse {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  UINT_PTR timer = 0;
} g_laterMouse;

void CALLBACK postLaterMouse(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (id != g_laterMouse.timer) return;
  g_laterMouse.timer = 0;
  PostMessageW(g_laterMouse.window, g_laterMouse.message, g_laterMouse.wParam, g_laterMouse.lParam);
}

// The dictionaries share the application lock with the other word stores.
SynchObject g_applicationLock;

// Where a changed last-typed dictionary is saved: the main window's thread
// saves it (message 0x474); when the window cannot take the message, here.
class MainWindowSaver final : public LastWordsSaver {
 public:
  explicit MainWindowSaver(LastWords& store) : myStore(store) {}
  bool onWindowThread() override {
    HWND main = g_program.mainWindow;
    return main && GetWindowThreadProcessId(main, nullptr) == GetCurrentThreadId();
  }
  void postSave(Dictionary* dictionary) override {
    HWND main = g_program.mainWindow;
    if (!main || !PostMessageW(main, kMsgSaveLastWords, 0, reinterpret_cast<LPARAM>(dictionary)))
      myStore.save(dictionary);
  }

 private:
  LastWords& myStore;
};

struct AskAddWordJob {
  DictionarySet* dictionaries;
  AskAddWordRequest request;
};

DWORD WINAPI askAddWordThread(LPVOID p) {
  AskAddWordJob* job = static_cast<AskAddWordJob*>(p);
  job->dictionaries->askAddWord(job->request);
  delete job;
  return 0;
}

}  // namespace

Str16 languageText(const char* key) {
  Str16 k;
  for (const char* p = key; *p; ++p) k.append(static_cast<char16_t>(*p));
  const char16_t* t = LocalStr::process().text(view(k));
  Str16 out;
  for (; t && *t; ++t) out.append(*t);
  return out;
}

namespace {

// What the completion and spelling popups ask of the program. The add-word
// question blocks while it is shown: it runs on a thread of its own.
class ProgramWordHost final : public WordMenuHost {
 public:
  explicit ProgramWordHost(DictionarySet& dictionaries) : myDictionaries(dictionaries) {}
  Str16 text(const char* key) override { return languageText(key); }
  bool hasPolicy(const char* exeName) override { return orv::policyFlags(exeName) != -1; }
  void answerPolicy(const char* exeName, bool work) override {
    orv::setPolicy(exeName, work ? kPolicyAll : kPolicyAsked);
  }
  bool spellingAllowed(const char* exeName) override { return orv::policyAllows(exeName, kPolicySpelling); }
  void askAddWord(const AskAddWordRequest& request) override {
    AskAddWordJob* job = new AskAddWordJob{&myDictionaries, request};
    HANDLE thread = CreateThread(nullptr, 0, askAddWordThread, job, 0, nullptr);
    if (thread) CloseHandle(thread);
    else delete job;
  }

 private:
  DictionarySet& myDictionaries;
};

class ProgramHost final : public KeyboardHost {
 public:
  ProgramHost() : myWords(moduleFolder(), g_applicationLock), mySaver(myWords.lastWords()) {
    myWords.lastWords().bindSaver(&mySaver);
  }

  ProgramWords& words() { return myWords; }

  // Start-up steps 19.2 and 19.4: the impossibility lists, then the enabled
  // dictionaries in the user's order.
  void loadWords() {
    myWords.loadImpossibilities();
    myWords.loadDictionaries();
    trace("impossibility lists %d\n", static_cast<int>(myWords.impossibilities().size()));
    trace("dictionaries %d\n", static_cast<int>(myWords.dictionaries().size()));
    myWords.loadLastWords();
    trace("last-typed languages %d\n", static_cast<int>(myWords.lastWords().size()));
  }

  // A whole word ended by one character, kept in the last-typed store.
  void lastTypedWord(Hkl layout, const Str8& word) override { myWords.lastWords().remember(layout & 0xFFFF, word); }

  // The completion and spelling popups (made once the engine exists).
  void bindWordMenus(WordMenus* menus) { myWordMenus = menus; }
  bool showCompletion(Hkl, const Str8&, const int32_t rect[4], bool noCaret) override {
    KeyboardState& state = *myState;
    XMenu* root = myWordMenus ? myWordMenus->collectCompletions(state.analysisThread, state.exeName.c_str()) : nullptr;
    if (!root) return false;
    showWordMenu(root, rect, noCaret);
    return true;
  }
  void spellingSuggestions(Hkl, const Str8&, const int32_t rect[4], bool noCaret) override {
    KeyboardState& state = *myState;
    if (XMenu* root = myWordMenus ? myWordMenus->spellingWhileTyping(state.analysisThread, state.exeName.c_str())
                                  : nullptr)
      showWordMenu(root, rect, noCaret);
  }
  void wordEndSpellingCheck(Hkl, const Str8&, const int32_t rect[4], bool noCaret) override {
    KeyboardState& state = *myState;
    if (XMenu* root = myWordMenus ? myWordMenus->spellingAtWordEnd(state.analysisThread, state.exeName.c_str())
                                  : nullptr)
      showWordMenu(root, rect, noCaret);
  }
  void bindState(KeyboardState* state) { myState = state; }

  int checkInSet(const Str8& word, int32_t codePage) override {
    return myWords.dictionaries().checkInSet(word, codePage);
  }
  int checkInLanguage(const Str8& word, int32_t codePage, const Str8& language) override {
    return myWords.dictionaries().checkInLanguage(word, codePage, language);
  }

  void postThreadCommand(uint32_t thread, uint32_t command, uint32_t lParam) override {
    PostThreadMessageW(thread, hook::kThreadCommand, command, lParam);
  }
  void postRestoreClipboard(uint32_t loan) override { postToMenuThread(kMsgRestoreClipboard, loan, 0); }
  void requestClipboardCheck() override { postToMenuThread(kMsgCheckClipboard, 0, 0); }
  bool isWindow(uint32_t hwnd) override { return hwnd != 0 && IsWindow(toWindow(hwnd)); }
  void clientOrigin(uint32_t hwnd, int32_t& x, int32_t& y) override {
    POINT p = {0, 0};
    ClientToScreen(toWindow(hwnd), &p);
    x = p.x;
    y = p.y;
  }
  bool policyAllows(const char* exeName, int32_t mask) override { return orv::policyAllows(exeName, mask); }
  void playSound(int index) override { orv::playSound(index); }
  void debugLog(const char* line) override { orv::debugLog("%s", line); }
  // The selection operations' waits for the application (on the receiver
  // thread, within the hook's time-out).
  void sleep(uint32_t ms) override { Sleep(ms); }
  // The notes editor opens with the text once it exists.
  void editCopiedSelection(const Str16& text) override {
    trace("selection for the editor: %d characters\n", static_cast<int>(text.size()));
    openEditor(0, text, Str16());
  }
  void newNote() override { openEditor(kNewNoteRequestId, Str16(), Str16()); }
  // "!!tuner": the options window's applications page, on the main thread.
  void openPolicies(const char* exeName) override { openPoliciesFor(exeName); }
  void exitProgram() override { PostMessageW(g_program.mainWindow, WM_COMMAND, kCmdExit, 0); }
  void showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) override {
    if (keyboardSwitchedOff()) return;
    requestClipboardMenu(thread, exeName, hasPoint, x, y);
  }
  // The shown menu lives on the menu thread: keys reach it by message.
  bool isMenuOpen() override { return menuIsOpen(); }
  void offerKeyToMenu(uint32_t vk) override { postToMenuThread(kMsgMenuKey, vk, 0); }
  void closeMenu() override { closeMenuFromAnyThread(); }
  bool isMenuWindow(uint32_t hwnd) override { return isMenuThreadWindow(toWindow(hwnd)); }

  // The clipboard menu's mouse side.
  uint32_t doubleClickTime() override { return GetDoubleClickTime(); }
  void screenToClient(uint32_t hwnd, int32_t& x, int32_t& y) override {
    POINT p = {x, y};
    ScreenToClient(toWindow(hwnd), &p);
    x = p.x;
    y = p.y;
  }
  void postMouseMessage(uint32_t hwnd, uint32_t message, uint32_t wParam, int32_t x, int32_t y,
                        uint32_t delayMs) override {
    LPARAM lp = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    if (delayMs == 0) {
      PostMessageW(toWindow(hwnd), message, wParam, lp);
      return;
    }
    if (g_laterMouse.timer) KillTimer(nullptr, g_laterMouse.timer);
    g_laterMouse = LaterMouse{toWindow(hwnd), message, wParam, lp, 0};
    g_laterMouse.timer = SetTimer(nullptr, 0, delayMs, postLaterMouse);
  }
  void bringToForeground(uint32_t hwnd) override {
    HWND top = GetAncestor(toWindow(hwnd), GA_ROOT);
    if (top) SetForegroundWindow(top);
  }
  std::string windowClass(uint32_t hwnd) override {
    char name[256];
    int n = hwnd ? GetClassNameA(toWindow(hwnd), name, sizeof name) : 0;
    return std::string(name, n > 0 ? n : 0);
  }
  void requestCopy(uint32_t thread) override { postToMenuThread(kMsgCopyByMouse, 0, thread); }

 private:
  ProgramWords myWords;
  MainWindowSaver mySaver;
  WordMenus* myWordMenus = nullptr;
  KeyboardState* myState = nullptr;
};

struct Keyboard {
  ProgramHost host;
  CfgKeyboardSettings settings;
  ProgramEngine engine;
  KeyboardState state;
  EngineKeyReceiver receiver;

  explicit Keyboard(HookShared& shared)
      : engine(shared, theClipboard(), host), state(keyboardPort(), settings, engine), receiver(state, engine) {
    engine.attach(state);
    engine.bindWords(&host.words());
    engine.bindNotes(&theNotes());
    engine.bindHistory(&theHistory());
    host.bindState(&state);
    host.bindWordMenus(&wordMenus);
  }
  ProgramWordHost wordHost{host.words().dictionaries()};
  WordMenus wordMenus{engine, host.words().dictionaries(), host.words().lastWords(), wordHost};
};

Keyboard* g_keyboard = nullptr;

}  // namespace

KeyReceiver* startKeyboard() {
  if (!g_keyboard) {
    g_keyboard = new Keyboard(*g_program.shared);  // lives as long as the process
    g_keyboard->host.loadWords();                  // 19.2, 19.4
    g_keyboard->state.syncLayouts();               // 19.6, 19.7
    g_keyboard->engine.loadTranslit(joinPath(moduleFolder(), u"Translit"));
    const Translit* active = g_keyboard->engine.activeTranslit();
    trace("transliteration %s\n", active ? std::string(view(active->language())).c_str() : "off");
  }
  return &g_keyboard->receiver;
}

DictionarySet* programDictionaries() { return g_keyboard ? &g_keyboard->host.words().dictionaries() : nullptr; }

void loadKeyboardHotkeys() {
  if (!g_keyboard) return;
  SynchObject::Guard guard(keyboardLock());
  // The table with its default codes exists since the engine was built
  // (19.12); the "hotkey" section's codes replace them (19.15).
  g_keyboard->engine.loadHotkeys();
}

void keyboardEcho(uint32_t code) {
  if (g_keyboard) g_keyboard->engine.onEcho(code);
}

bool keyboardRestoreClipboard(uint32_t loan) {
  if (!g_keyboard || !g_keyboard->engine.clipboardBorrowed()) return false;
  g_keyboard->engine.restoreClipboard(loan);
  return !g_keyboard->engine.clipboardBorrowed();
}

bool keyboardPasteChosenText(uint32_t thread, const Str16& text) {
  if (!g_keyboard) return false;
  SynchObject::Guard guard(keyboardLock());
  return g_keyboard->engine.pasteChosenText(thread, text);
}

void keyboardSaveLastWords(LPARAM dictionary) {
  if (g_keyboard) g_keyboard->host.words().lastWords().save(reinterpret_cast<Dictionary*>(dictionary));
}

bool keyboardSwitchedOff() { return g_keyboard && g_keyboard->engine.switchedOff(); }

Str16 keyboardHotkeyText(const char* name) {
  if (!g_keyboard) return Str16();
  SynchObject::Guard guard(keyboardLock());
  return hotkeyText(g_keyboard->engine.hotkeyCode(name, 0));
}

bool keyboardTranslitActive() {
  if (!g_keyboard) return false;
  SynchObject::Guard guard(keyboardLock());
  return g_keyboard->engine.activeTranslit() != nullptr;
}

void keyboardSelectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b) {
  if (!g_keyboard) return;
  SynchObject::Guard guard(keyboardLock());
  SelectionConverter& s = g_keyboard->engine.selection();
  switch (code) {
    case 3: s.convertSelection(thread); break;
    case 4: s.convertSelectionAs(thread, a, b); break;
    case 9: s.transliterateSelection(thread); break;
    case 6: s.copyForEditor(thread); break;
    default: break;
  }
}

ArrT<Str8> keyboardTranslitLanguages(int32_t& active) {
  ArrT<Str8> languages;
  active = -1;
  if (!g_keyboard) return languages;
  SynchObject::Guard guard(keyboardLock());
  KeyboardEngine& engine = g_keyboard->engine;
  const Translit* on = engine.activeTranslit();
  for (Hkl h : g_keyboard->state.layoutOrder()) {
    const Translit* t = engine.translit(g_keyboard->state.buffer(h));
    if (!t || !t->hasTables()) continue;
    int32_t at = -1;
    for (int32_t i = 0; i < languages.size() && at < 0; ++i)
      if (languages[i] == t->language()) at = i;
    if (at < 0) {
      at = languages.size();
      languages.append(t->language());
    }
    if (t == on) active = at;
  }
  return languages;
}

void keyboardSetTranslit(const Str8& active) {
  CfgKeyboardSettings().setTranslitActive(std::string(view(active)));
  if (!g_keyboard) return;
  SynchObject::Guard guard(keyboardLock());
  // Reading the tables again also picks up files edited since the start.
  g_keyboard->engine.loadTranslit(joinPath(moduleFolder(), u"Translit"));
}

}  // namespace orv::win

namespace orv::win {

ArrT<HotkeyRow> keyboardHotkeys() {
  ArrT<HotkeyRow> rows;
  if (!g_keyboard) return rows;
  SynchObject::Guard guard(keyboardLock());
  for (const AHotKey& k : g_keyboard->engine.hotkeys()) rows.append(HotkeyRow{k.name, k.label, k.code});
  return rows;
}

bool keyboardSetHotkeyCode(const char* name, int32_t code) {
  if (!g_keyboard) return false;
  SynchObject::Guard guard(keyboardLock());
  return g_keyboard->engine.setHotkeyCode(name, code);
}

}  // namespace orv::win

namespace orv::win {

void keyboardLayoutOrderChanged() {
  if (!g_keyboard) return;
  SynchObject::Guard guard(keyboardLock());
  g_keyboard->state.layoutOrderChanged();
}

void keyboardReloadDictionaries() {
  if (!g_keyboard) return;
  SynchObject::Guard guard(keyboardLock());
  g_keyboard->host.words().loadDictionaries();
}

}  // namespace orv::win
