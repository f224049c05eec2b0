#pragma once
// The Windows program's process-wide state and the operations its parts call
// on each other. One instance of each piece lives for the whole process.

#include <windows.h>

#include <cstdint>

#include "core/Str.h"
#include "core/SynchObject.h"
#include "hook/SharedBlock.h"

namespace orv::win {

// Main window commands and messages.
constexpr int kCmdExit = 100;
constexpr int kCmdInstallHooks = 101;
constexpr int kCmdOptions = 102;
constexpr int kCmdDeveloper = 103;
constexpr int kCmdNotesEditor = 104;
constexpr int kCmdNewTemplateFolder = 105;
constexpr int kCmdNewTemplateFile = 106;
constexpr int kCmdUpdater = 107;
constexpr int kCmdToggleAutoSwitch = 108;
constexpr int kCmdToggleSpelling = 109;
constexpr UINT kTrayBase = 333;
constexpr UINT kMsgTrayNotify = WM_USER + kTrayBase;    // 1357
constexpr UINT kMsgTrayLeft = WM_USER + kTrayBase + 1;  // 1358
constexpr UINT kMsgTrayRight = WM_USER + kTrayBase + 2; // 1359
constexpr UINT kMsgTrayDouble = WM_USER + kTrayBase + 3;// 1360
constexpr UINT kMsgTraySetIcon = WM_USER + kTrayBase + 4;// 1361

// Posted by the receiver when the on/off hotkey was pressed (wParam: 1 when
// the program is now off).
constexpr UINT kMsgToggleOnOff = WM_APP + 1;
// To the popup menu thread's window (MenuThread.cpp): check the clipboard
// for the history; restore the borrowed clipboard 333 ms from now (wParam:
// the loan number); have the hook library copy in a thread (lParam).
constexpr UINT kMsgShowQueuedMenu = WM_USER + 110;     // 1134
constexpr UINT kMsgShowClipboardMenu = WM_USER + 111;  // 1135, lParam: the packed point
constexpr UINT kMsgCheckClipboard = WM_USER + 112;    // 1136
constexpr UINT kMsgRestoreClipboard = WM_USER + 113;  // 1137
constexpr UINT kMsgCopyByMouse = WM_USER + 114;       // 1138
// A key offered to the shown menu (wParam: the virtual key), posted by the
// receiver so that only the menu thread touches the menu.
constexpr UINT kMsgMenuKey = WM_USER + 115;  // 1139
// The packed point of message 1135 that means "at the mouse pointer".
constexpr LPARAM kAtCursor = 0x7FFF7FFF;
constexpr UINT kRestoreClipboardTimerId = 1137;
constexpr UINT kRestoreClipboardDelayMs = 333;

// The hook library's copy: the temporary folder (up to MAX_PATH), the
// folder "orvanta_tmp" and the file name "<hex tick count>.hk.dll".
constexpr size_t kHookPathSize = MAX_PATH + 32;

using HookAllFn = int (*)(HMODULE);
using UnhookAllFn = int (*)();
using GetBlockFn = void* (*)();

struct Program {
  HINSTANCE instance = nullptr;
  char version[16] = {};
  wchar_t exePath[MAX_PATH] = {};
  wchar_t moduleFolder[MAX_PATH] = {};  // without the trailing '\'
  HFONT dialogFont = nullptr;
  HICON iconLarge = nullptr;
  HICON iconSmall = nullptr;
  HICON trayDefaultIcon = nullptr;
  HICON grayIcon = nullptr;
  DWORD mainThread = 0;
  wchar_t hookPath[kHookPathSize] = {};
  HMODULE hookModule = nullptr;
  HookAllFn hookAll = nullptr;
  UnhookAllFn unhookAll = nullptr;
  HookShared* shared = nullptr;  // the block; getDLLxEXE points 24 bytes in
  HWND mainWindow = nullptr;
  HWND optionsWindow = nullptr;
  volatile LONG switchedOff = 0;  // "!!!onoff"
};

extern Program g_program;

// Start-up (Startup.cpp): the whole run; returns the loop's exit code.
int runProgram(HINSTANCE instance);

// Exit sequence (MainWindow.cpp); never returns.
[[noreturn]] void exitProgram();

// Shows the program switched off or on in the tray (MainWindow.cpp).
void showOnOff(bool off);

// Diagnostics (Diagnostics.cpp): the "WINOUT32" trace channel and the
// developer log.
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool developerMode();
void createDeveloperWindow();
void showDeveloperWindow();

// Unpacking (Unpack.cpp): language files and the hook library; false when
// the hook library resource is missing or cannot be written.
bool unpackResources();

// The keyboard engine behind the receiver (ProgramHost.cpp): loads the
// impossibility lists and the dictionaries, reads the installed layouts and
// builds their buffers.
}  // namespace orv::win
namespace orv {
class KeyReceiver;
class XMenu;
class DictionarySet;
struct TextRun;
}
namespace orv::win {
KeyReceiver* startKeyboard();
// A language key's text in the user's language ("clipboard_menu_title").
Str16 languageText(const char* key);
// The program's dictionaries once the keyboard engine exists, else null.
DictionarySet* programDictionaries();
// The hotkey codes of the INI file's "hotkey" section.
void loadKeyboardHotkeys();
// Called by the receiver with the keyboard lock held: an echo step (message
// 1126), the due restore of a borrowed clipboard (true when it was put
// back; a loan overtaken by a newer retype is not) and the on/off state.
void keyboardEcho(uint32_t code);
bool keyboardRestoreClipboard(uint32_t loan);
bool keyboardSwitchedOff();
// A text chosen in a menu, pasted into the thread (from the menu thread; it
// takes the keyboard lock). False when the clipboard could not be set.
bool keyboardPasteChosenText(uint32_t thread, const Str16& text);
// Message 0x474 to the main window: save the last-typed store's dictionary
// in lParam (its handler calls keyboardSaveLastWords).
constexpr UINT kMsgSaveLastWords = WM_USER + 0x74;
void keyboardSaveLastWords(LPARAM dictionary);
// More of the clipboard menu's requests of the keyboard engine, from the
// menu thread; each takes the keyboard lock. A hotkey's display text;
// whether a transliteration is active; the selection commands (3 toggle, 4
// from layout a to b, 9 transliterate, 6 copy for the editor).
Str16 keyboardHotkeyText(const char* name);
bool keyboardTranslitActive();
void keyboardSelectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b);

// The receiver (DllReceiver.cpp), handing keys to `keys`.
bool startReceiver(KeyReceiver* keys);
HWND receiverWindow();
// The keyboard lock: the keyboard state's own once it exists, held around
// everything the receiver hands to the keyboard engine.
SynchObject& keyboardLock();

// A hidden message window (class "static", child of HWND_MESSAGE) with
// `proc` as its procedure and a timer; null when it cannot be made. And the
// thread's message loop (MessageWindow.cpp).
HWND createMessageWindow(WNDPROC proc, UINT_PTR timerId, UINT timerMs);
void runThreadMessageLoop();

// The popup menu thread (MenuThread.cpp): started once; posting to its
// window is safe from any thread (nothing happens before it exists).
bool startMenuThread();
HWND menuThreadWindow();
void postToMenuThread(UINT message, WPARAM wp, LPARAM lp);

// The notes editor (NotesEditor.cpp), from any thread: a window for a note
// (its id), a new note (kNewNoteRequestId) or a loose text or file (0;
// `path` empty for a text); and the rebuild of every open window's note list.
void openEditor(uint32_t noteId, const Str16& text, const Str16& path);
void refreshEditorNoteLists();
// Before the program exits (from the main thread): every editor window
// closes as if the user closed it, asking when its text is changed; false
// when one stays open (the user cancelled), and the exit should not go on.
bool closeEditorsForExit();
// The spelling popup for a right-click at `screen` in an editor's text field
// (EditorSpelling.cpp): false, with nothing shown, when no underlined word is
// there. `dictionaryChanged` tells that a word was added.
bool showEditorSpellingPopup(HWND field, POINT screen, const ArrT<TextRun>& misspelt, bool& dictionaryChanged);
// The clipboard menu (ClipboardMenuHost.cpp). On the menu thread: make the
// session once its message window exists; messages 1134, 1135 and 1139.
void startMenuSession(HWND messageWindow);
void menuShowQueued();
void menuShowClipboard(LPARAM packed);
void menuOfferKey(uint32_t vk);
// Any thread: whether a menu is shown, whether a window is one of the menu
// thread's, closing the shown menu, and asking for the clipboard menu of an
// application's thread (hasPoint false: at the mouse pointer).
bool menuIsOpen();
bool isMenuThreadWindow(HWND w);
void closeMenuFromAnyThread();
void requestClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y);
// Any thread: a completion or spelling popup at the caret rectangle (at the
// mouse pointer with `noCaret`), queued in the menu thread's session, which
// shows it (message 1134) in the menus' style. The session takes the tree.
void showWordMenu(XMenu* root, const int32_t rect[4], bool noCaret);
// The folder of the last "Create Folder" / "Create File" chosen in the menu,
// and the dialog that creates it (NewTmpltDlg.cpp).
Str16 pendingTemplateFolder();
void showNewTemplateDialog(bool isFolder);

// Tray (TrayIcon.cpp).
bool attachTrayHandler(HWND mainWindow);
bool attachAppHandler(HWND mainWindow);
void addTrayIcon();
void removeTrayIcon();
void updateTrayIconForLayout(uintptr_t layout);
void showTrayMenu();

// The updater (Updater*.cpp): the background checks (start-up, once) and
// the update dialog (tray command 107, the options window, the background
// checks). A second non-silent call while a dialog exists says "Update in
// progress.."; a silent one does nothing.
void startIntervalUpdates();
void openUpdateDialog(HWND owner, bool silent);

// System bits (SystemSetup.cpp).
void takeOverRunningInstance();
void writeBrowserRegistryValues();
void syncStartupShortcut();

// The transliteration page (ProgramHost.cpp): the languages of the layouts
// that have tables, in layout order and without repeats, with the active
// one's index (-1: none); and a new "translit" "active" value ("*" off, else
// a language code) that selects the tables at once.
ArrT<Str8> keyboardTranslitLanguages(int32_t& active);
void keyboardSetTranslit(const Str8& active);
// Any thread (ClipboardMenuHost.cpp): the menus shown from now on take the
// appearance settings ("menu_font_name", "menu_font_size_idx",
// "transparency") again.
void reloadMenuStyle();

}  // namespace orv::win

// The options window's access to the keyboard engine (ProgramHost.cpp),
// from the main thread; each takes the keyboard lock.
namespace orv::win {
// The hotkey table in its order: name, label ("$hk_exit") and code.
struct HotkeyRow {
  Str8 name;
  Str16 label;
  int32_t code = 0;
};
ArrT<HotkeyRow> keyboardHotkeys();
// false when there is no hotkey of that name.
bool keyboardSetHotkeyCode(const char* name, int32_t code);
}  // namespace orv::win

namespace orv::win {
// The "hkl" "order" setting changed: the analysis follows it at once.
void keyboardLayoutOrderChanged();
// The "dic" "order" and "skip" settings changed: dictionaries switched off
// are dropped, new ones loaded, and the set put in the new order.
void keyboardReloadDictionaries();
}  // namespace orv::win
