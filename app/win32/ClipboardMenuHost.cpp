// The clipboard menu in the program: the menu thread's one MenuSession with
// its windows and measure, the composition with the program's actions, and
// what other threads may ask of them. Everything here except the entry
// points marked "any thread" runs on the menu thread; other threads only post
// to its message window and read the shown root's window handle.

#include <atomic>
#include <cstring>

#include "app/LocalStr.h"
#include "app/ProgramStores.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "clipboard/ClipboardMenu.h"
#include "clipboard/EditorModel.h"
#include "clipboard/History.h"
#include "clipboard/Notes.h"
#include "clipboard/Templates.h"
#include "clipboard/win32/MenuWindow.h"

namespace orv::win {

namespace {

Str16 toStr16(const wchar_t* s) {
  Str16 out;
  for (; s && *s; ++s) out.append(static_cast<char16_t>(*s));
  return out;
}

// The target of the next clipboard menu, set by the receiver thread.
SynchObject g_targetLock;
uint32_t g_targetThread = 0;
char g_targetExe[129] = {};

// The folder the create dialog works in (relative to the module folder).
SynchObject g_templateLock;
Str16 g_templateFolder;

class ProgramMenuActions final : public ClipboardMenuActions {
 public:
  Str16 text(const char* key) override { return languageText(key); }
  Str16 hotkeyText(const char* name) override { return keyboardHotkeyText(name); }
  ArrT<MenuLayoutName> layouts() override {
    ArrT<MenuLayoutName> out;
    HKL list[64];
    int n = GetKeyboardLayoutList(64, list);
    for (int i = 0; i < n; ++i) {
      const uintptr_t hkl = reinterpret_cast<uintptr_t>(list[i]);
      wchar_t name[128] = {};
      if (!GetLocaleInfoW(MAKELCID(LOWORD(hkl), SORT_DEFAULT), LOCALE_SLANGUAGE, name, 128)) continue;
      out.append(MenuLayoutName{static_cast<uint32_t>(hkl), toStr16(name)});
    }
    return out;
  }
  bool translitActive() override { return keyboardTranslitActive(); }
  Str16 moduleFolder() override { return toStr16(g_program.moduleFolder); }

  bool pasteText(uint32_t thread, const Str16& text) override { return keyboardPasteChosenText(thread, text); }
  void selectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b) override {
    keyboardSelectionCommand(thread, code, a, b);
  }
  void openPolicy(const Str8& exeName) override {
    trace("policy for %.*s\n", static_cast<int>(exeName.size()), exeName.data());
    PostMessageW(g_program.mainWindow, WM_COMMAND, kCmdOptions, 0);
  }
  // The notes editor's requests (on the trace as well).
  void newNote() override {
    trace("notes editor: new note\n");
    openEditor(kNewNoteRequestId, Str16(), Str16());
  }
  void editFragment(const Str16& text) override {
    trace("notes editor: fragment of %d characters\n", static_cast<int>(text.size()));
    openEditor(0, text, Str16());
  }
  void editNote(uint32_t id, const Str16& text) override {
    trace("notes editor: note %u\n", id);
    openEditor(id, text, Str16());
  }
  void editFile(const Str16& path) override {
    trace("notes editor: file %s\n", utf16ToUtf8(path).c_str());
    openEditor(0, Str16(), path);
  }
  void newTemplate(const Str16& folder, bool isFolder) override {
    {
      SynchObject::Guard guard(g_templateLock);
      g_templateFolder = folder;
    }
    PostMessageW(g_program.mainWindow, WM_COMMAND, isFolder ? kCmdNewTemplateFolder : kCmdNewTemplateFile, 0);
  }
  void saveStores() override { saveProgramStores(); }
  // The menu closed: the notes may have been deleted or moved in it.
  void notesMayHaveChanged() override { refreshEditorNoteLists(); }
  void closeMenu() override;
  void repaint(XMenu& menu) override;
};

// The menu thread's objects, made on it once its message window exists.
struct MenuThreadParts {
  GdiMeasure measure;
  MenuWindows view;
  MenuSession session;
  ProgramMenuActions actions;
  ClipboardMenu clipboardMenu;
  MenuStyle style;

  MenuThreadParts(HWND messageWindow)
      : view(g_program.instance, messageWindow, measure),
        session(view, measure),
        clipboardMenu(theHistory(), theNotes(), actions),
        style(makeMenuStyle(cfgMenuFontName.get(), cfgMenuFontSizeIdx.get(), cfgTransparency.get())) {
    scaleMenuImages(style, measure.dpi());
    view.attach(session);
  }
};

MenuThreadParts* g_parts = nullptr;
std::atomic<DWORD> g_menuThreadId{0};

// The appearance page replaces the style (main thread) while the receiver
// may be styling a word menu: the style is copied and replaced under a lock.
SynchObject g_styleLock;
MenuStyle currentStyle(const MenuThreadParts& parts) {
  SynchObject::Guard guard(g_styleLock);
  return parts.style;
}

// A handler asks for the close while the session is still inside the
// event: the root's WM_CLOSE comes back through the message loop.
void ProgramMenuActions::closeMenu() { closeMenuFromAnyThread(); }
// Entries were added, removed or changed: laid out again, then painted.
void ProgramMenuActions::repaint(XMenu& menu) {
  if (g_parts) g_parts->session.refresh(menu);
}

void traceShown(const char* what) {
  if (!g_parts || !g_parts->session.shownRoot()) return;
  trace("menu shown (%s) at %lu\n", what, static_cast<unsigned long>(GetTickCount()));
}

}  // namespace

void startMenuSession(HWND messageWindow) {
  if (g_parts) return;
  g_menuThreadId = GetCurrentThreadId();
  g_parts = new MenuThreadParts(messageWindow);  // lives as long as the process
}

void menuShowQueued() {
  if (!g_parts) return;
  g_parts->session.showQueued();
  traceShown("queued");
}

void menuShowClipboard(LPARAM packed) {
  if (!g_parts) return;
  POINT p;
  if (static_cast<uint32_t>(packed) == kAtCursor) {
    GetCursorPos(&p);
  } else {
    p.x = static_cast<int16_t>(LOWORD(packed));
    p.y = static_cast<int16_t>(HIWORD(packed));
  }
  {
    SynchObject::Guard guard(g_targetLock);
    Str8 exe;
    exe.append(g_targetExe, static_cast<int32_t>(std::strlen(g_targetExe)));
    g_parts->clipboardMenu.setTarget(g_targetThread, exe);
  }
  ClipboardMenuSettings s;
  s.maxItems1 = cfgMaxItems1.get();
  s.maxItemsMore = cfgMaxItemsMore.get();
  s.maxNotes1 = cfgMaxNotes1.get();
  s.clipboardFirst = cfgMenuClpbrdFirst.get() != 0;
  s.clipboardAsSub = cfgMenuClpbrdAsSub.get() != 0;
  s.notesAsSub = cfgMenuNotesAsSub.get() != 0;
  const MenuStyle style = currentStyle(*g_parts);
  XMenu* root = g_parts->clipboardMenu.build(s, style);
  if (!root) return;
  g_parts->session.show(root, MenuRect{p.x, p.y, p.x, p.y}, false, true);
  traceShown("clipboard");
}

void menuOfferKey(uint32_t vk) {
  if (g_parts) g_parts->session.offerKey(vk, GetTickCount());
}

bool menuIsOpen() {
  MenuWindows* v = menuWindows();
  return v && v->rootWindow() != nullptr;
}

bool isMenuThreadWindow(HWND w) {
  DWORD id = g_menuThreadId;
  return w && id && GetWindowThreadProcessId(w, nullptr) == id;
}

void closeMenuFromAnyThread() {
  MenuWindows* v = menuWindows();
  HWND root = v ? v->rootWindow() : nullptr;
  if (root) PostMessageW(root, WM_CLOSE, 0, 0);
}

void showWordMenu(XMenu* root, const int32_t rect[4], bool noCaret) {
  MenuThreadParts* parts = g_parts;
  if (!parts) {
    delete root;
    return;
  }
  MenuRect at{rect[0], rect[1], rect[2], rect[3]};
  if (noCaret) {
    POINT p;
    GetCursorPos(&p);
    at = MenuRect{p.x, p.y, p.x, p.y};
  }
  struct Styler {
    static void apply(XMenu& m, const MenuStyle& style) {
      m.style = style;
      for (int32_t i = 0; i < m.count(); ++i) apply(*m.child(i), style);
    }
  };
  Styler::apply(*root, currentStyle(*parts));
  parts->session.show(root, at, false, false);
  postToMenuThread(kMsgShowQueuedMenu, 0, 0);
}

void requestClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) {
  {
    SynchObject::Guard guard(g_targetLock);
    g_targetThread = thread;
    std::strncpy(g_targetExe, exeName ? exeName : "", sizeof(g_targetExe) - 1);
  }
  const LPARAM packed =
      hasPoint ? static_cast<LPARAM>(MAKELONG(static_cast<int16_t>(x), static_cast<int16_t>(y))) : kAtCursor;
  trace("clipboard menu requested at %lu\n", static_cast<unsigned long>(GetTickCount()));
  postToMenuThread(kMsgShowClipboardMenu, 0, packed);
}

Str16 pendingTemplateFolder() {
  SynchObject::Guard guard(g_templateLock);
  return g_templateFolder;
}

void reloadMenuStyle() {
  MenuThreadParts* parts = g_parts;
  if (!parts) return;
  MenuStyle style = makeMenuStyle(cfgMenuFontName.get(), cfgMenuFontSizeIdx.get(), cfgTransparency.get());
  scaleMenuImages(style, parts->measure.dpi());
  SynchObject::Guard guard(g_styleLock);
  parts->style = style;
}

}  // namespace orv::win
