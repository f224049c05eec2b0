#include "language/Impossibility.h"

#include <cstring>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool endsWithTxt(const Str16& name) {
  if (name.size() < 4) return false;
  const char16_t* e = name.data() + name.size() - 4;
  auto low = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; };
  return e[0] == u'.' && low(e[1]) == u't' && low(e[2]) == u'x' && low(e[3]) == u't';
}

}  // namespace

ImpossibilityRegistry::~ImpossibilityRegistry() {
  for (int32_t i = 0; i < myLists.size(); ++i) delete myLists.valAt(i);
}

bool ImpossibilityRegistry::readList(const Str16& path, Impossibility& out) {
  FILE* f = openFile(path, "rb");
  if (!f) return false;
  char line[1000];
  while (std::fgets(line, sizeof line, f)) {
    int32_t b = 0, e = static_cast<int32_t>(std::strlen(line));
    while (b < e && isSpace(line[b])) ++b;
    while (e > b && isSpace(line[e - 1])) --e;
    if (e > b) out.add(Str8(line + b, e - b));
  }
  std::fclose(f);
  return true;
}

void ImpossibilityRegistry::loadImpossibilities(const Str16& programFolder) {
  Str16 folder = joinPath(programFolder, u"impossibility");
  if (!isFolder(folder)) return;
  ArrT<FolderEntry> entries;
  if (!listFolder(folder, entries)) return;
  for (int32_t i = 0; i < entries.size(); ++i) {
    const FolderEntry& e = entries[i];
    if (e.isFolder || !endsWithTxt(e.name)) continue;
    Impossibility* list = new Impossibility;
    readList(joinPath(folder, view(e.name)), *list);
    if (list->empty()) {
      delete list;
      continue;
    }
    Str8 key = toNarrow(e.name, kCpAnsi);
    key.isetSize(key.size() - 4);
    asciiLowerInPlace(key);
    if (Impossibility** old = myLists.get(key)) delete *old;
    myLists.put(key, list);
  }
}

const Impossibility* ImpossibilityRegistry::find(const Str8& key) const {
  Impossibility* const* p = myLists.get(key);
  return p ? *p : nullptr;
}

}  // namespace orv
