#include "app/AppPaths.h"

#include "core/SynchObject.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {

namespace {

SynchObject g_lock;
Str16 g_folder;
bool g_known = false;

void ensureKnown() {
  if (g_known) return;
  Str16 exe = executablePath();
  int32_t cut = exe.size();
  while (cut > 0 && exe[cut - 1] != u'\\' && exe[cut - 1] != u'/') --cut;
  g_folder = Str16(exe.data(), cut > 0 ? cut - 1 : 0);
  g_known = true;
}

}  // namespace

Str16 moduleFolder() {
  SynchObject::Guard g(g_lock);
  ensureKnown();
  return g_folder;
}

void setModuleFolder(const Str16& folder) {
  SynchObject::Guard g(g_lock);
  g_folder = folder;
  while (g_folder.size() && (g_folder.last() == u'\\' || g_folder.last() == u'/')) g_folder.isetSize(g_folder.size() - 1);
  g_known = true;
}

Str16 modulePath(std::u16string_view tail) {
  Str16 p = moduleFolder();
  appendText(p, tail);
  return p;
}

Str16 iniPath16() { return modulePath(u"\\Orvanta.ini"); }

Str8 iniPath8() { return toNarrow(iniPath16(), kCpAnsi); }

}  // namespace orv
