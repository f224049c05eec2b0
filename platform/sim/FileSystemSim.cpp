// Linux shell of the file-system port: UTF-8 paths and POSIX calls.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/FileSystem.h"
#include "platform/sim/SimFiles.h"

namespace orv {

namespace {
// The program's own "\"-separated paths work unchanged on Linux.
std::string native(const Str16& path) { return nativePath(path); }
}  // namespace

char16_t pathSeparator() { return u'/'; }

FILE* openFile(const Str16& path, const char* mode) { return std::fopen(native(path).c_str(), mode); }

bool flushFile(FILE* f) { return std::fflush(f) == 0 && fsync(fileno(f)) == 0; }

bool pathExists(const Str16& path) {
  struct stat st;
  return stat(native(path).c_str(), &st) == 0;
}

bool isFolder(const Str16& path) {
  struct stat st;
  return stat(native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isPlainFile(const Str16& path) {
  struct stat st;
  return stat(native(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool createFolder(const Str16& path) { return mkdir(native(path).c_str(), 0777) == 0; }

bool removeFile(const Str16& path) { return unlink(native(path).c_str()) == 0; }

bool removeFolder(const Str16& path) { return rmdir(native(path).c_str()) == 0; }

bool replaceFile(const Str16& from, const Str16& to) {
  return std::rename(native(from).c_str(), native(to).c_str()) == 0;
}

bool renameFile(const Str16& from, const Str16& to) {
  // A hard link fails when the target exists, so no file is ever replaced.
  std::string f = native(from), t = native(to);
  if (link(f.c_str(), t.c_str()) != 0) return false;
  unlink(f.c_str());
  return true;
}

bool listFolder(const Str16& folder, ArrT<FolderEntry>& out) {
  out.clear();
  std::string base = native(folder);
  DIR* d = opendir(base.c_str());
  if (!d) return false;
  while (struct dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = utf8ToUtf16(name);
    struct stat st;
    entry.isFolder = stat((base + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    out.append(entry);
  }
  closedir(d);
  return true;
}

Str16 tempFolder() {
  const char* t = std::getenv("TMPDIR");
  std::string s = (t && *t) ? t : "/tmp";
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return utf8ToUtf16(s);
}

}  // namespace orv
