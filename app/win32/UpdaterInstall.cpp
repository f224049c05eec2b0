// Installing a verified download once the user agrees: the files are
// swapped (app/ExecutableSwap.h, which keeps a program that starts whatever
// fails), the new program starts and this one leaves through the exit
// sequence; the new instance's single-instance step finishes it off.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "app/ExecutableSwap.h"
#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "app/win32/Updater.h"

namespace orv::win {

namespace {

std::wstring wpath(const Str16& s) { return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size()); }

class Win32Files : public ExecutableFiles {
 public:
  bool move(const Str16& from, const Str16& to) override {
    if (MoveFileExW(wpath(from).c_str(), wpath(to).c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    trace("update: cannot rename %ls (%lu)\n", wpath(from).c_str(), GetLastError());
    return false;
  }
  bool write(const Str16& path, const uint8_t* data, size_t size) override {
    HANDLE file = CreateFileW(wpath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failed(path);
    size_t done = 0;
    bool ok = true;
    while (ok && done < size) {
      DWORD wrote = 0;
      const DWORD piece = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 20));
      ok = WriteFile(file, data + done, piece, &wrote, nullptr) && wrote == piece;
      done += wrote;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    return ok || failed(path);
  }
  void remove(const Str16& path) override { DeleteFileW(wpath(path).c_str()); }

 private:
  static bool failed(const Str16& path) {
    trace("update: cannot write %ls (%lu), the old file goes back\n", wpath(path).c_str(), GetLastError());
    return false;
  }
};

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
  Win32Files files;
  switch (swapExecutable(files, str16(reinterpret_cast<const char16_t*>(g_program.exePath)), bytes.data(),
                         bytes.size())) {
    case SwapResult::CannotMove:
      updaterBox(owner, wide(lstr("updater_cannot_move")), L"Orvanta", MB_ICONWARNING);
      return InstallResult::Failed;
    case SwapResult::CannotWrite:
      updaterBox(owner, wide(lstr("updater_cannot_open_file")), L"Orvanta", MB_ICONWARNING);
      return InstallResult::Failed;
    case SwapResult::Replaced:
      break;
  }
  trace("update: %ls replaced (%lu bytes), the old one is %ls.old\n", exe.c_str(),
        static_cast<unsigned long>(bytes.size()), exe.c_str());
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
