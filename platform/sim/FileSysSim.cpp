// Linux shell of the file port: the C library, paths in UTF-8 with "\" read
// as "/".

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/FileSys.h"
#include "platform/sim/SimFiles.h"

namespace orv {

std::string nativePath(const Str16& path) {
  std::string p = utf16ToUtf8(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

bool readFileBytes(const Str16& path, Str8& out) {
  out.clear();
  out.data();
  if (!fileExists(path)) return false;
  FILE* f = std::fopen(nativePath(path).c_str(), "rb");
  if (!f) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.append(chunk, static_cast<int32_t>(n));
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

bool writeFileBytes(const Str16& path, const char* bytes, int32_t len) {
  FILE* f = std::fopen(nativePath(path).c_str(), "wb");
  if (!f) return false;
  bool ok = len == 0 || std::fwrite(bytes, 1, static_cast<size_t>(len), f) == size_t(len);
  return std::fclose(f) == 0 && ok;
}

ArrT<Str16> listFiles(const Str16& folder, std::u16string_view suffix) {
  ArrT<Str16> names;
  std::string dir = nativePath(folder);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return names;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    struct stat st;
    if (::stat((dir + "/" + name).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
    Str16 n = utf8ToUtf16(name);
    if (n.size() < int32_t(suffix.size())) continue;
    bool match = true;
    for (size_t i = 0; i < suffix.size() && match; ++i) {
      char16_t a = n[n.size() - int32_t(suffix.size()) + int32_t(i)], b = suffix[i];
      if (a >= u'A' && a <= u'Z') a = char16_t(a + 32);
      if (b >= u'A' && b <= u'Z') b = char16_t(b + 32);
      match = a == b;
    }
    if (match) names.append(n);
  }
  ::closedir(d);
  return names;
}

Str16 executablePath() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return Str16();
  return utf8ToUtf16(std::string_view(buf, static_cast<size_t>(n)));
}


}  // namespace orv
