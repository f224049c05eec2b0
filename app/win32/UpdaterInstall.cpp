// Installing a verified download: the running executable steps aside as
// "<path>.old", the new file takes its place, the new program starts and
// this one leaves. A failure on the way puts the old file back, so the user
// always keeps a program that starts.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include <string>

#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "app/win32/Updater.h"

namespace orv::win {

namespace {

bool writeWhole(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD wrote = 0;
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    ok = WriteFile(file, bytes.data() + done, piece, &wrote, nullptr) && wrote == piece;
    done += wrote;
  }
  ok = ok && FlushFileBuffers(file);
  CloseHandle(file);
  return ok;
}

}  // namespace

std::wstring wide(const char16_t* text) { return text ? reinterpret_cast<const wchar_t*>(text) : L""; }

int updaterBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
  flags |= MB_SETFOREGROUND;
  if (!owner || !IsWindowVisible(owner)) flags |= MB_TOPMOST;
  return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

InstallResult installUpdate(HWND owner, const std::vector<uint8_t>& bytes) {
  if (updaterBox(owner, wide(lstr("updater_complete_question")), wide(lstr("updater_complete_question_title")),
                 MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
    trace("update: not installed (the user cancelled)\n");
    return InstallResult::Cancelled;
  }
  const std::wstring exe = g_program.exePath;
  const std::wstring old = exe + L".old";
  // An ".old" left by an earlier update is replaced.
  if (!MoveFileExW(exe.c_str(), old.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    trace("update: cannot rename %ls (%lu)\n", exe.c_str(), GetLastError());
    updaterBox(owner, wide(lstr("updater_cannot_move")), L"Orvanta", MB_ICONWARNING);
    return InstallResult::Failed;
  }
  if (!writeWhole(exe, bytes)) {
    trace("update: cannot write %ls (%lu), the old file goes back\n", exe.c_str(), GetLastError());
    DeleteFileW(exe.c_str());
    MoveFileExW(old.c_str(), exe.c_str(), MOVEFILE_REPLACE_EXISTING);
    updaterBox(owner, wide(lstr("updater_cannot_open_file")), L"Orvanta", MB_ICONWARNING);
    return InstallResult::Failed;
  }
  trace("update: %ls replaced (%lu bytes), the old one is %ls\n", exe.c_str(), static_cast<unsigned long>(bytes.size()), old.c_str());
  const auto started = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", exe.c_str(), nullptr, g_program.moduleFolder, SW_SHOWNORMAL));
  if (started <= 32) {
    // The new file is in place and starts next time; this instance stays.
    trace("update: cannot start %ls (%ld)\n", exe.c_str(), static_cast<long>(started));
    return InstallResult::Failed;
  }
  trace("update: new instance started, exiting\n");
  PostMessageW(g_program.mainWindow, WM_COMMAND, kCmdExit, 0);
  return InstallResult::Restarting;
}

}  // namespace orv::win
