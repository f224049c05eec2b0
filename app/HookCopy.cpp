#include "app/HookCopy.h"

namespace orv {

namespace {
void appendAscii(Str16& out, const char* s) {
  for (; *s; ++s) out.append(static_cast<char16_t>(*s));
}
}  // namespace

Str16 hookCopyFolder(const Str16& tempPath) {
  Str16 folder(tempPath);
  if (folder.size() == 0 || (folder.last() != u'\\' && folder.last() != u'/')) folder.append(u'\\');
  appendAscii(folder, "orvanta_tmp");
  return folder;
}

Str16 hookCopyPath(const Str16& folder, uint32_t tick) {
  Str16 path(folder);
  path.append(u'\\');
  char hex[9];
  int n = 0;
  do {
    hex[n++] = "0123456789ABCDEF"[tick & 0xF];
    tick >>= 4;
  } while (tick);
  while (n) path.append(static_cast<char16_t>(hex[--n]));
  appendAscii(path, ".hk.dll");
  return path;
}

}  // namespace orv
