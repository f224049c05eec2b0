// The icon in the notification area: the handler on the main window that
// turns tray notifications into the main window's own messages and sets the
// icon, the icon per keyboard layout from the "icons" folder (gray while the
// program is switched off), and the tray menu.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/LocalStr.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/Subclass.h"
#include "core/MapT.h"
#include "core/SynchObject.h"
#include "language/Locale.h"

namespace orv::win {

namespace {

const wchar_t* kHandlerName = L"TrayIcon_myMsgProc";

class TrayIcon {
 public:
  HWND window = nullptr;
  NOTIFYICONDATAW data = {};
  HICON icon = nullptr;
  bool shown = false;
  bool ownsItself = false;
};

TrayIcon g_tray;
SynchObject g_iconLock;
MapT<uint32_t, HICON> g_iconCache;
HICON g_lastIcon = nullptr;
bool g_iconFolderReady = false;

LRESULT CALLBACK trayProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<TrayIcon*>(Subclass::self(w, kHandlerName));
  switch (m) {
    case kMsgTrayNotify:
      if (lp == WM_LBUTTONDOWN) PostMessageW(w, kMsgTrayLeft, 0, 0);
      else if (lp == WM_RBUTTONDOWN) PostMessageW(w, kMsgTrayRight, 0, 0);
      else if (lp == WM_LBUTTONDBLCLK) PostMessageW(w, kMsgTrayDouble, 0, 0);
      return 0;
    case kMsgTraySetIcon:
      if (self) {
        self->icon = reinterpret_cast<HICON>(wp);
        NOTIFYICONDATAW d = self->data;
        d.uFlags = NIF_ICON;
        d.hIcon = self->icon;
        Shell_NotifyIconW(NIM_MODIFY, &d);
      }
      return 0;
    case WM_DESTROY: {
      LRESULT r = Subclass::callPrevious(w, kHandlerName, m, wp, lp);
      if (self) self->window = nullptr;
      Subclass::detachObject(w, kHandlerName);
      return r;
    }
    default:
      return Subclass::callPrevious(w, kHandlerName, m, wp, lp);
  }
}

void culturePart(const char* culture, char* out, size_t n) {
  std::snprintf(out, n, "%s", culture ? culture : "");
  for (char* p = out; *p; ++p)
    if (*p == '-') *p = '_';
}

// The icons folder with its readme, which lists the file names the program
// looks for; made before the first file lookup.
void prepareIconFolder() {
  if (g_iconFolderReady) return;
  g_iconFolderReady = true;
  wchar_t folder[MAX_PATH], readme[MAX_PATH];
  std::swprintf(folder, MAX_PATH, L"%ls\\icons", g_program.moduleFolder);
  CreateDirectoryW(folder, nullptr);
  std::swprintf(readme, MAX_PATH, L"%ls\\readme.txt", folder);
  if (GetFileAttributesW(readme) != INVALID_FILE_ATTRIBUTES) return;
  FILE* f = _wfopen(readme, L"wt");
  if (!f) return;
  for (int32_t i = 0; i < localeTableSize(); ++i) {
    const MyNLS& r = localeTable()[i];
    char culture[64];
    culturePart(r.culture, culture, sizeof culture);
    std::fprintf(f, "%-10s  %-15s  %s\n", r.language, culture, r.englishDisplay);
  }
  std::fclose(f);
}

HICON loadIconFile(const char* name) {
  char path[MAX_PATH * 2];
  int n = WideCharToMultiByte(CP_ACP, 0, g_program.moduleFolder, -1, path, MAX_PATH, nullptr, nullptr);
  if (n <= 0) return nullptr;
  std::snprintf(path + n - 1, sizeof path - n, "\\icons\\%s.ico", name);
  return static_cast<HICON>(LoadImageA(nullptr, path, IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
}

HICON layoutIcon(uint32_t langId, const MyNLS& r) {
  if (HICON* hit = g_iconCache.get(langId)) return *hit;
  HICON cached;
  prepareIconFolder();
  char culture[64];
  culturePart(r.culture, culture, sizeof culture);
  cached = loadIconFile(culture);
  if (!cached) cached = loadIconFile(r.language);
  if (!cached) cached = g_program.trayDefaultIcon;
  g_iconCache.put(langId, cached);
  return cached;
}

}  // namespace

bool attachTrayHandler(HWND mainWindow) {
  g_tray.window = mainWindow;
  return Subclass::attach(mainWindow, kHandlerName, &g_tray, trayProc);
}

void addTrayIcon() {
  if (g_tray.shown || !g_tray.window) return;
  NOTIFYICONDATAW& d = g_tray.data;
  std::memset(&d, 0, sizeof d);
  d.cbSize = NOTIFYICONDATAW_V1_SIZE;
  d.hWnd = g_tray.window;
  d.uID = 1;
  d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  d.uCallbackMessage = kMsgTrayNotify;
  if (!g_tray.icon) g_tray.icon = g_program.trayDefaultIcon;
  d.hIcon = g_tray.icon;
  lstrcpynW(d.szTip, L"Orvanta", 64);
  g_tray.shown = Shell_NotifyIconW(NIM_ADD, &d) != FALSE;
}

void removeTrayIcon() {
  if (!g_tray.shown) return;
  NOTIFYICONDATAW d = g_tray.data;
  d.uFlags = 0;
  Shell_NotifyIconW(NIM_DELETE, &d);
  g_tray.shown = false;
}

void updateTrayIconForLayout(uintptr_t layout) {
  SynchObject::Guard guard(g_iconLock);
  const uint32_t langId = static_cast<uint32_t>(layout & 0xFFFF);
  HICON icon;
  MyNLS r = localeRecord(langId);
  if (langId == 0 || r.lcid == 0 || g_program.switchedOff) icon = g_program.grayIcon;
  else icon = layoutIcon(langId, r);
  if (icon == g_lastIcon) return;
  g_lastIcon = icon;
  PostMessageW(g_program.mainWindow, kMsgTraySetIcon, reinterpret_cast<WPARAM>(icon), 0);
}

void showTrayMenu() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  auto checked = [](CfgInt& setting) { return setting.get() > 0 ? MF_CHECKED : MF_UNCHECKED; };
  auto text = [](const char* key) { return reinterpret_cast<const wchar_t*>(lstr(key)); };
  AppendMenuW(menu, MF_STRING, kCmdOptions, text("tray_mi_options"));
  SetMenuDefaultItem(menu, kCmdOptions, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | checked(cfgAutoswUse), kCmdToggleAutoSwitch, text("tray_mi_auto_sw_lay"));
  AppendMenuW(menu, MF_STRING | checked(cfgOcUse), kCmdToggleSpelling, text("tray_mi_oc"));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kCmdNotesEditor, text("tray_mi_underliner"));
  AppendMenuW(menu, MF_STRING, kCmdUpdater, text("tray_mi_updater"));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  if (developerMode()) AppendMenuW(menu, MF_STRING, kCmdDeveloper, L"Developer");
  AppendMenuW(menu, MF_STRING, kCmdExit, text("tray_mi_exit"));
  POINT pt;
  GetCursorPos(&pt);
  SetForegroundWindow(g_program.mainWindow);
  trace("tray menu shown\n");
  TrackPopupMenu(menu, 0, pt.x, pt.y, 0, g_program.mainWindow, nullptr);
  DestroyMenu(menu);
}

}  // namespace orv::win
