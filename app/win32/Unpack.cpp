// Files the program carries inside itself: the English and Russian language
// files (written only when missing, so a user's edits stay) and the hook
// library, written afresh on every start under the temporary folder.

#include <cstring>
#include <cwchar>

#include "app/HookCopy.h"
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

// Texts are zero-padded: a 16-bit text is a C string for the W functions.
const wchar_t* wide(const Str16& s) { return reinterpret_cast<const wchar_t*>(s.data()); }

}  // namespace

bool unpackResources() {
  unpackLanguageFile(L"en");
  unpackLanguageFile(L"ru");
  const void* data;
  DWORD size;
  if (!resourceBytes(L"or_hook_dll", &data, &size)) return false;
  wchar_t temp[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (n == 0 || n > MAX_PATH) return false;
  Str16 tempPath;
  for (DWORD i = 0; i < n; ++i) tempPath.append(static_cast<char16_t>(temp[i]));
  const Str16 folder = hookCopyFolder(tempPath);
  const Str16 copy = hookCopyPath(folder, GetTickCount());
  if (static_cast<size_t>(copy.size()) >= kHookPathSize) return false;
  CreateDirectoryW(wide(folder), nullptr);
  Str16 pattern(folder);
  for (const char16_t* p = u"\\*.hk.dll"; *p; ++p) pattern.append(*p);
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(wide(pattern), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      Str16 old(folder);
      old.append(u'\\');
      for (const wchar_t* p = fd.cFileName; *p; ++p) old.append(static_cast<char16_t>(*p));
      DeleteFileW(wide(old));  // a copy still loaded somewhere simply stays
    } while (FindNextFileW(find, &fd));
    FindClose(find);
  }
  std::memcpy(g_program.hookPath, copy.data(), copy.size() * sizeof(wchar_t));
  g_program.hookPath[copy.size()] = 0;
  return writeFile(g_program.hookPath, data, size);
}

}  // namespace orv::win
