// Windows shell of the file port.

#include <windows.h>

#include <cstdio>

#include "platform/FileSys.h"

namespace orv {

namespace {
const wchar_t* w(const Str16& s) { return reinterpret_cast<const wchar_t*>(s.data()); }

bool endsWithNoCase(const char16_t* name, size_t len, std::u16string_view suffix) {
  if (len < suffix.size()) return false;
  const char16_t* tail = name + len - suffix.size();
  for (size_t i = 0; i < suffix.size(); ++i) {
    char16_t a = tail[i], b = suffix[i];
    if (a >= u'A' && a <= u'Z') a = char16_t(a + 32);
    if (b >= u'A' && b <= u'Z') b = char16_t(b + 32);
    if (a != b) return false;
  }
  return true;
}
}  // namespace

bool readFileBytes(const Str16& path, Str8& out) {
  out.clear();
  out.data();
  HANDLE h = CreateFileW(w(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(h, &size) && size.QuadPart < 0x3FFFFFF0;
  if (ok && size.QuadPart > 0) {
    out.isetSize(static_cast<int32_t>(size.QuadPart));
    DWORD got = 0;
    ok = ReadFile(h, out.data(), static_cast<DWORD>(size.QuadPart), &got, nullptr) != FALSE;
    out.isetSize(ok ? static_cast<int32_t>(got) : 0);
  }
  CloseHandle(h);
  return ok;
}

bool writeFileBytes(const Str16& path, const char* bytes, int32_t len) {
  HANDLE h = CreateFileW(w(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  bool ok = len == 0 || (WriteFile(h, bytes, static_cast<DWORD>(len), &put, nullptr) && put == DWORD(len));
  CloseHandle(h);
  return ok;
}

ArrT<Str16> listFiles(const Str16& folder, std::u16string_view suffix) {
  ArrT<Str16> names;
  Str16 pattern = folder;
  if (pattern.size() && pattern.last() != u'\\' && pattern.last() != u'/') pattern.append(u'\\');
  pattern.append(u'*');
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(w(pattern), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const char16_t* name = reinterpret_cast<const char16_t*>(fd.cFileName);
    size_t len = wcslen(fd.cFileName);
    if (endsWithNoCase(name, len, suffix)) names.append(Str16(name, static_cast<int32_t>(len)));
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return names;
}

Str16 executablePath() {
  Str16 buf;
  for (int32_t size = 260;; size *= 2) {
    buf.isetSize(size);
    DWORD n = GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buf.data()), DWORD(size));
    if (n < DWORD(size) || size > 32768) {
      buf.isetSize(n < DWORD(size) ? int32_t(n) : 0);
      return buf;
    }
  }
}


}  // namespace orv
