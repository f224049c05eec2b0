#include "app/IniSection.h"

#include <cstdlib>
#include <cstring>

#include "app/AppPaths.h"
#include "platform/Profile.h"

namespace orv {

ArrT<IniLine> readIniSection(const char* section) {
  ArrT<IniLine> lines;
  Str8 path = iniPath8();
  Str8 buf;
  uint32_t size = 10000, n;
  for (;;) {
    buf.isetSize(int32_t(size));
    n = getProfileSectionA(section, buf.data(), size, path);
    if (n < size - 2 || size >= 0x10000000) break;
    size *= 2;
  }
  for (const char* p = buf.data(); p < buf.data() + n && *p; p += std::strlen(p) + 1) {
    IniLine line;
    const char* eq = std::strchr(p, '=');
    line.hasValue = eq != nullptr;
    line.name = Str8(p, int32_t(eq ? eq - p : int32_t(std::strlen(p))));
    if (eq) line.value = str8(eq + 1);
    line.name.data();
    line.value.data();
    lines.append(line);
  }
  return lines;
}

bool writeIniSection(const char* section, const ArrT<IniLine>& lines) {
  Str8 data;
  for (const IniLine& l : lines) {
    if (l.name.empty()) continue;
    data.append(l.name);
    data.append('=');
    data.append(l.value);
    data.append('\0');
  }
  data.append('\0');
  return writeProfileSectionA(section, data.data(), iniPath8());
}

int32_t iniNumber(const Str8& text) {
  long v = std::strtol(text.data(), nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace orv
