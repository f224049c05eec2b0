// The hidden main window's first handler (`App`): the commands 100 to 109,
// the tray clicks, installing the hooks, switching the program off and on,
// and the exit sequence.

#include "app/win32/Program.h"
#include "app/win32/Subclass.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"

#include <cstring>

#include "app/LocalStr.h"
#include "app/Settings.h"
#include "clipboard/Clipboard.h"
#include "core/DebugLog.h"

namespace orv::win {

namespace {

const wchar_t* kHandlerName = L"App_trayMsgProc";

class App {};
App g_app;

void installHooks() {
  HookShared* s = g_program.shared;
  std::memset(&s->receiver, 0, kSharedClearBytes);
  s->programProcess = GetCurrentProcessId();
  s->receiver = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(receiverWindow()));
  DWORD start = GetTickCount();
  while (!g_program.hookAll(g_program.hookModule)) {
    if ((GetTickCount() - start) / 1000 > 5) {
      debugLog("******************* HOOK FAILED **************\n");
      trace("hooks failed\n");
      return;
    }
    Sleep(1);
  }
  trace("hooks installed\n");
}

// The tray's toggles write the setting at once; the general page's check
// box follows, so that a later OK there does not undo the toggle.
void setGeneralPageCheck(int id, bool on) {
  if (HWND page = optionsPanelPage("OptPanCommon")) setChecked(page, id, on);
}

void onCommand(int cmd) {
  switch (cmd) {
    case kCmdExit:
      // An editor's changed text is never dropped by the exit: the user
      // answers its question first, and Cancel keeps the program running.
      if (!closeEditorsForExit()) {
        trace("exit cancelled by an editor\n");
        break;
      }
      exitProgram();
    case kCmdInstallHooks:
      installHooks();
      break;
    case kCmdOptions:
      showOptions(nullptr);
      break;
    case kCmdDeveloper:
      showDeveloperWindow();
      break;
    case kCmdNotesEditor: {
      Str16 text;
      theClipboard().getClipboardText(text);
      openEditor(0, text, Str16());
      break;
    }
    case kCmdNewTemplateFolder:
    case kCmdNewTemplateFile:
      showNewTemplateDialog(cmd == kCmdNewTemplateFolder);
      break;
    case kCmdUpdater:
      openUpdateDialog(nullptr, false);
      break;
    case kCmdToggleAutoSwitch:
      cfgAutoswUse.toggle();
      setGeneralPageCheck(kCommonAutoSwitchCheck, cfgAutoswUse.get() > 0);
      break;
    case kCmdToggleSpelling:
      cfgOcUse.toggle();
      setGeneralPageCheck(kCommonSpellingCheck, cfgOcUse.get() > 0);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK appProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_COMMAND:
      onCommand(LOWORD(wp));
      return 0;
    case kMsgTrayLeft:
      if (optionsVisible()) showOptions(nullptr);
      return 0;
    case kMsgTrayRight:
      showTrayMenu();
      return 0;
    case kMsgTrayDouble:
      onCommand(kCmdOptions);
      return 0;
    case kMsgToggleOnOff:
      showOnOff(wp != 0);
      return 0;
    case kMsgSaveLastWords:
      keyboardSaveLastWords(lp);
      return 0;
    case WM_DESTROY: {
      LRESULT r = Subclass::callPrevious(w, kHandlerName, m, wp, lp);
      Subclass::detachObject(w, kHandlerName);
      return r;
    }
    default:
      return Subclass::callPrevious(w, kHandlerName, m, wp, lp);
  }
}

}  // namespace

bool attachAppHandler(HWND mainWindow) { return Subclass::attach(mainWindow, kHandlerName, &g_app, appProc); }

void showOnOff(bool off) {
  InterlockedExchange(&g_program.switchedOff, off ? 1 : 0);
  trace("program %s\n", off ? "off" : "on");
  updateTrayIconForLayout(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0)));
}

void exitProgram() {
  trace("exit\n");
  if (g_program.unhookAll) {
    g_program.unhookAll();
    Sleep(1);
  }
  removeTrayIcon();
  LocalStr::save();
  destroyOptionsForm();
  if (g_program.unhookAll) {
    DWORD start = GetTickCount();
    while (!g_program.unhookAll()) {
      if ((GetTickCount() - start) / 1000 > 5) {
        debugLog("******************* UN-HOOK FAILED **************\n");
        break;
      }
      Sleep(1);
    }
  }
  ExitProcess(0);
}

}  // namespace orv::win
