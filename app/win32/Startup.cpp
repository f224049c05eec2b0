// From the entry point to the message loop: the start-up steps in their
// fixed order (later steps read what earlier ones produced), and the loop.

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/win32/Program.h"
#include "app/win32/options/OptionsPanel.h"
#include "clipboard/win32/MenuWindow.h"
#include "app/AppPaths.h"
#include "app/LocalStr.h"
#include "app/ProgramStores.h"
#include "app/Settings.h"
#include "app/Sounds.h"
#include "app/UserLanguage.h"
#include "core/DebugLog.h"
#include "language/Locale.h"

namespace orv::win {

Program g_program;

namespace {

constexpr int kVersionMajor = 3;
constexpr int kVersionMinor = 75;

void computePaths() {
  GetModuleFileNameW(nullptr, g_program.exePath, MAX_PATH);
  lstrcpynW(g_program.moduleFolder, g_program.exePath, MAX_PATH);
  if (wchar_t* slash = wcsrchr(g_program.moduleFolder, L'\\')) *slash = 0;
  // The settings objects compute and keep the INI path on first use.
  iniPath16();
  iniPath8();
}

void createDialogFont() {
  Str16 name = cfgDefFontName.get();
  int size = cfgDefFontSize.get();
  HDC dc = GetDC(nullptr);
  int height = -MulDiv(size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(nullptr, dc);
  g_program.dialogFont = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE,
                                     reinterpret_cast<const wchar_t*>(name.data()));
}

HICON loadAppIcon(const wchar_t* name, int size) {
  return static_cast<HICON>(LoadImageW(g_program.instance, name, IMAGE_ICON, size, size, LR_SHARED));
}

void registerGenericWindowClass() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = g_program.instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"window";
  RegisterClassW(&wc);
}

template <class F>
F entryPoint(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(g_program.hookModule, name)));
}

bool loadHookLibrary() {
  g_program.hookModule = LoadLibraryW(g_program.hookPath);
  if (!g_program.hookModule) return false;
  g_program.hookAll = entryPoint<HookAllFn>("hookAll");
  g_program.unhookAll = entryPoint<UnhookAllFn>("unhookAll");
  auto getBlock = entryPoint<GetBlockFn>("getDLLxEXE");
  if (!g_program.hookAll || !g_program.unhookAll || !getBlock) return false;
  g_program.shared = reinterpret_cast<HookShared*>(static_cast<char*>(getBlock()) - 24);
  return true;
}

bool isDialogClass(const wchar_t* cls) {
  return lstrcmpW(cls, L"#32770") == 0 || lstrcmpW(cls, L"orvanta_main_window_class") == 0;
}

int messageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND dialog = nullptr;
    bool dispatched = false;
    for (HWND w = GetFocus(); w; w = GetParent(w)) {
      wchar_t cls[64];
      GetClassNameW(w, cls, 64);
      if (lstrcmpW(cls, L"Shell Embedding") == 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        dispatched = true;
        break;
      }
      if (lstrcmpW(cls, L"MDICLIENT") == 0) {
        TranslateMDISysAccel(w, &msg);
        break;
      }
      if (isDialogClass(cls)) dialog = w;
      if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) break;
    }
    if (dispatched) continue;
    if (dialog && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int runProgram(HINSTANCE instance) {
  g_program.instance = instance;
  std::snprintf(g_program.version, sizeof g_program.version, "%d.%.3d", kVersionMajor, kVersionMinor);  // 1
  computePaths();                                                     // 2
  createDialogFont();                                                 // 3
  g_program.iconLarge = loadAppIcon(L"A", 32);                        // 4
  g_program.iconSmall = loadAppIcon(L"A", 16);
  buildLocaleIndex();                                                 // 5
  chooseInterfaceLanguage();                                          // 6
  // 7: the set of keys that give no character belongs to key handling.
  takeOverRunningInstance();                                          // 8
  writeBrowserRegistryValues();                                       // 9
  g_program.mainThread = GetCurrentThreadId();                        // 10
  registerGenericWindowClass();                                       // 11
  if (HWND dub = FindWindowW(L"dub_RECEIVER_win2", nullptr)) PostMessageW(dub, 23064, 0, 0);  // 12
  const bool unpacked = unpackResources();                            // 13
  if (!unpacked || !loadHookLibrary()) {                              // 14
    MessageBoxW(nullptr,
                L"Orvanta cannot start: its keyboard hook library could not be written to the "
                L"temporary folder or could not be loaded.\n\nCheck that the temporary folder is "
                L"writable and that no security program blocks it, then start Orvanta again.",
                L"Orvanta", MB_ICONERROR | MB_OK);
    return 1;
  }
  // 15: g_program.shared points at the block; 16: the App handler is static.
  g_program.trayDefaultIcon = loadAppIcon(L"A", 16);                  // 17
  g_program.grayIcon = loadAppIcon(L"MAIN_GRAY_ICO", 16);
  HWND main = CreateWindowExW(WS_EX_TOOLWINDOW, L"#32770", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);                     // 18
  if (!main) return 1;
  SetWindowLongW(main, GWL_STYLE, WS_POPUP);
  SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE);
  g_program.mainWindow = main;
  attachTrayHandler(main);
  if (developerMode()) createDeveloperWindow();                       // 19.1
  // 19.3, 19.5: the notes editor and the last words join here with their
  // parts.
  KeyReceiver* keys = startKeyboard();                                // 19.2, 19.4, 19.6, 19.7
  loadSounds();                                                       // 19.8
  loadProgramStores();                                                // 19.9
  registerMenuWindowClass(instance);                                  // 19.10
  if (!startMenuThread()) trace("menu thread failed\n");             // 19.11
  // 19.12: the hotkey table with its default codes is built with the engine.
  if (!startReceiver(keys)) return 1;                                 // 19.13
  while (g_program.shared->receiver == 0) Sleep(1);                   // 19.14
  loadKeyboardHotkeys();                                              // 19.15
  createOptionsForm();                                                // 19.16
  syncStartupShortcut();                                              // 19.17
  startIntervalUpdates();                                             // 19.18
  attachAppHandler(main);                                             // 20
  addTrayIcon();                                                      // 21
  updateTrayIconForLayout(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0)));  // 22
  PostMessageW(main, WM_COMMAND, kCmdInstallHooks, 0);                // 23
  trace("started %s hook=%ls\n", g_program.version, g_program.hookPath);
  debugLog("Orvanta %s started\n", g_program.version);
  return messageLoop();                                               // 24
}

}  // namespace orv::win
