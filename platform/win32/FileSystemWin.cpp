// Windows shell of the file-system port: the wide functions of kernel32 and
// the C runtime.

#include <windows.h>
#include <io.h>

#include "platform/FileSystem.h"

namespace orv {

namespace {
const wchar_t* w(const Str16& s) { return reinterpret_cast<const wchar_t*>(s.data()); }

DWORD attributes(const Str16& path) { return GetFileAttributesW(w(path)); }
}  // namespace

char16_t pathSeparator() { return u'\\'; }

FILE* openFile(const Str16& path, const char* mode) {
  Str16 m = utf8ToUtf16(mode);
  return _wfopen(w(path), w(m));
}

bool flushFile(FILE* f) { return std::fflush(f) == 0 && _commit(_fileno(f)) == 0; }

bool pathExists(const Str16& path) { return attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool isFolder(const Str16& path) {
  DWORD a = attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool isPlainFile(const Str16& path) {
  DWORD a = attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool createFolder(const Str16& path) { return CreateDirectoryW(w(path), nullptr) != 0; }

bool removeFile(const Str16& path) { return DeleteFileW(w(path)) != 0; }

bool removeFolder(const Str16& path) { return RemoveDirectoryW(w(path)) != 0; }

bool replaceFile(const Str16& from, const Str16& to) {
  return MoveFileExW(w(from), w(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool renameFile(const Str16& from, const Str16& to) { return MoveFileExW(w(from), w(to), 0) != 0; }

bool listFolder(const Str16& folder, ArrT<FolderEntry>& out) {
  out.clear();
  Str16 pattern = joinPath(folder, u"*.*");
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(w(pattern), &fd);
  if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    const char16_t* name = reinterpret_cast<const char16_t*>(fd.cFileName);
    std::u16string_view v(name);
    if (v == u"." || v == u"..") continue;
    FolderEntry e;
    e.name = str16(v);
    e.isFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    out.append(e);
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return true;
}

Str16 tempFolder() {
  wchar_t buf[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, buf);
  if (n == 0 || n > MAX_PATH) return str16(u".");
  Str16 out(reinterpret_cast<const char16_t*>(buf), static_cast<int32_t>(n));
  while (out.size() > 3 && (out.last() == u'\\' || out.last() == u'/')) out.remove(out.size() - 1);
  return out;
}

}  // namespace orv
