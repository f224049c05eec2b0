// What the program does to the rest of the system at start: drive a running
// instance into its exit, write the values the embedded browser control
// reads, and keep (or remove) the start-up shortcut.

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/Settings.h"
#include "app/win32/Program.h"

namespace orv::win {

namespace {

const wchar_t* exeFileName() {
  const wchar_t* slash = wcsrchr(g_program.exePath, L'\\');
  return slash ? slash + 1 : g_program.exePath;
}

void shortcutPath(char* out, size_t n) {
  char folder[MAX_PATH] = {};
  out[0] = 0;
  if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, TRUE)) return;
  char exe[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, exeFileName(), -1, exe, MAX_PATH, nullptr, nullptr);
  size_t len = std::strlen(exe);
  if (len >= 4 && lstrcmpiA(exe + len - 4, ".exe") == 0) exe[len - 4] = 0;
  std::snprintf(out, n, "%s\\%s.lnk", folder, exe);
}

void createShortcut(const char* path) {
  DeleteFileA(path);
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    MessageBoxA(nullptr, "ERR", "ERR", MB_ICONINFORMATION);
    return;
  }
  char target[MAX_PATH], folder[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, g_program.exePath, -1, target, MAX_PATH, nullptr, nullptr);
  WideCharToMultiByte(CP_ACP, 0, g_program.moduleFolder, -1, folder, MAX_PATH, nullptr, nullptr);
  link->SetPath(target);
  link->SetWorkingDirectory(folder);
  link->SetArguments("/startup");
  link->SetShowCmd(SW_SHOWNORMAL);
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t wpath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, wpath, MAX_PATH);
    saved = SUCCEEDED(file->Save(wpath, TRUE));
    file->Release();
  }
  link->Release();
  if (!saved) MessageBoxA(nullptr, "ERR1", "ERR1", MB_ICONINFORMATION);
}

}  // namespace

void takeOverRunningInstance() {
  CreateMutexW(nullptr, FALSE, L"Orvanta_exists_flag");
  if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  for (int attempt = 0; attempt < 10; ++attempt) {
    HWND other = FindWindowW(L"orvanta_main_window_class", nullptr);
    if (!other) {
      Sleep(500);
      continue;
    }
    PostMessageW(other, WM_COMMAND, kCmdExit, 0);
    while (FindWindowW(L"orvanta_main_window_class", nullptr) == other) {
      Sleep(100);
      PostMessageW(other, WM_COMMAND, kCmdExit, 0);
    }
    return;
  }
}

void writeBrowserRegistryValues() {
  HKEY key;
  DWORD value = 9000;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE,
                      L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION", 0,
                      nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExW(key, exeFileName(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }
  // The update server's host (without a port) goes into the trusted sites.
  Str16 domain = cfgUpdaterDomain.get();
  for (int32_t i = 0; i < domain.size(); ++i)
    if (domain.at(i) == u':') {
      domain.isetSize(i);
      break;
    }
  wchar_t zone[300];
  std::swprintf(zone, 300,
                L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains\\%ls",
                reinterpret_cast<const wchar_t*>(domain.data()));
  if (RegCreateKeyExW(HKEY_CURRENT_USER, zone, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS) {
    value = 2;
    RegSetValueExW(key, L"http", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  }
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\2",
                    0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    DWORD flags = 0, size = sizeof flags, type = 0;
    if (RegQueryValueExW(key, L"Flags", nullptr, &type, reinterpret_cast<BYTE*>(&flags), &size) == ERROR_SUCCESS &&
        type == REG_DWORD) {
      flags &= ~0x4u;
      RegSetValueExW(key, L"Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), sizeof flags);
    }
    RegCloseKey(key);
  }
}

void syncStartupShortcut() {
  char path[MAX_PATH * 2];
  shortcutPath(path, sizeof path);
  if (!path[0]) return;
  const bool exists = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  if (cfgWindowsAutostart.get() != 0) {
    if (!exists) createShortcut(path);
  } else if (exists) {
    DeleteFileA(path);
  }
}

}  // namespace orv::win
