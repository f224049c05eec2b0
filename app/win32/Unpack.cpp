// Files the program carries inside itself: the English and Russian language
// files (written only when missing, so a user's edits stay) and the hook
// library, written afresh on every start under the temporary folder.

#include <cwchar>

#include "app/win32/Program.h"

namespace orv::win {

namespace {

bool resourceBytes(const wchar_t* name, const void** data, DWORD* size) {
  HRSRC res = FindResourceW(g_program.instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!res) return false;
  HGLOBAL mem = LoadResource(g_program.instance, res);
  if (!mem) return false;
  *data = LockResource(mem);
  *size = SizeofResource(g_program.instance, res);
  return *data != nullptr;
}

bool writeFile(const wchar_t* path, const void* data, DWORD size) {
  HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(f, data, size, &written, nullptr);
  CloseHandle(f);
  if (!ok || written != size) {
    DeleteFileW(path);
    return false;
  }
  return true;
}

void unpackLanguageFile(const wchar_t* code) {
  wchar_t path[MAX_PATH], resName[16];
  std::swprintf(path, MAX_PATH, L"%ls\\lang\\%ls.lng", g_program.moduleFolder, code);
  if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES) return;
  std::swprintf(resName, 16, L"%ls_lng", code);
  const void* data;
  DWORD size;
  if (!resourceBytes(resName, &data, &size)) return;
  wchar_t folder[MAX_PATH];
  std::swprintf(folder, MAX_PATH, L"%ls\\lang", g_program.moduleFolder);
  CreateDirectoryW(folder, nullptr);
  writeFile(path, data, size);
}

}  // namespace

bool unpackResources() {
  unpackLanguageFile(L"en");
  unpackLanguageFile(L"ru");
  const void* data;
  DWORD size;
  if (!resourceBytes(L"or_hook_dll", &data, &size)) return false;
  wchar_t folder[260];
  DWORD n = GetTempPathW(260, folder);
  if (n == 0 || n > 200) return false;
  // The temporary path ends in '\'; the folder is named below it.
  lstrcatW(folder, L"orvanta_tmp");
  CreateDirectoryW(folder, nullptr);
  wchar_t pattern[260];
  std::swprintf(pattern, 260, L"%ls\\*.hk.dll", folder);
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(pattern, &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      wchar_t old[260];
      std::swprintf(old, 260, L"%ls\\%ls", folder, fd.cFileName);
      DeleteFileW(old);  // a copy still loaded somewhere simply stays
    } while (FindNextFileW(find, &fd));
    FindClose(find);
  }
  std::swprintf(g_program.hookPath, 260, L"%ls\\%X.hk.dll", folder, static_cast<unsigned>(GetTickCount()));
  return writeFile(g_program.hookPath, data, size);
}

}  // namespace orv::win
