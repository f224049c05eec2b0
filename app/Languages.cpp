#include "app/Languages.h"

#include <cstring>

#include "core/SetT.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {

namespace {
bool sameAsciiNoCase(const char* a, const Str8& b) {
  if (!a || std::strlen(a) != size_t(b.size())) return false;
  for (int32_t i = 0; i < b.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}
}  // namespace

MyNLS localeByName(const Str8& name) {
  const MyNLS* table = localeTable();
  int32_t n = localeTableSize();
  for (int32_t i = 0; i < n; ++i)
    if (sameAsciiNoCase(table[i].culture, name)) return table[i];
  for (int32_t i = 0; i < n; ++i)
    if (sameAsciiNoCase(table[i].language, name)) return table[i];
  return MyNLS{};
}

ArrT<MyNLS> installedLanguages(const Str16& langFolder) {
  SetT<Str8> names;
  for (const Str16& file : listFiles(langFolder, u".lng")) {
    if (file.size() < 4) continue;
    Str8 name = toNarrow(Str16(file.data(), file.size() - 4), kCpAnsi);
    charLowerBuffA(name.data(), name.size());
    names.add(name);
  }
  ArrT<MyNLS> out;
  for (int32_t i = 0; i < names.size(); ++i) {
    MyNLS rec = localeByName(names.at(i));
    if (!rec.lcid) break;
    out.append(rec);
  }
  return out;
}

}  // namespace orv
