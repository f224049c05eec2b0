#include "keyboard/LayoutOrder.h"

#include <cstdlib>
#include <string>

namespace orv {

ArrT<Hkl> parseLayoutOrder(std::string_view text) {
  ArrT<Hkl> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i == start) break;
    std::string token(text.substr(start, i - start));
    const char* p = token.c_str();
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) p += 2;
    char* end = nullptr;
    unsigned long long v = std::strtoull(p, &end, 16);
    if (end == p || *end != 0 || *p == '-' || *p == '+') continue;
    Hkl h = static_cast<Hkl>(v);  // 64-bit spellings keep their low 32 bits
    if (h) out.append(h);
  }
  return out;
}

ArrT<Hkl> programLayoutOrder(const ArrT<Hkl>& installed, std::string_view orderSetting) {
  ArrT<Hkl> out;
  auto has = [](const ArrT<Hkl>& list, Hkl h) {
    for (Hkl x : list)
      if (x == h) return true;
    return false;
  };
  for (Hkl h : parseLayoutOrder(orderSetting))
    if (has(installed, h) && !has(out, h)) out.append(h);
  for (Hkl h : installed)
    if (!has(out, h)) out.append(h);
  return out;
}

ArrT<Hkl> withoutSkipped(const ArrT<Hkl>& list, std::string_view skipSetting) {
  ArrT<Hkl> skip = parseLayoutOrder(skipSetting);
  ArrT<Hkl> out;
  for (Hkl h : list) {
    bool skipped = false;
    for (Hkl s : skip) skipped = skipped || s == h;
    if (!skipped) out.append(h);
  }
  return out;
}

ArrT<Hkl> systemLayoutList(KeyboardPort& port) {
  Hkl list[100];
  int32_t n = port.layoutList(list, 100);
  return ArrT<Hkl>(list, n);
}

ArrT<Hkl> switchLayoutOrder(KeyboardPort& port, const KeyboardSettings& settings) {
  ArrT<Hkl> system = systemLayoutList(port);
  if (settings.onlySelLaySwitch() == 0) return system;
  return withoutSkipped(programLayoutOrder(system, settings.hklOrder()), settings.hklSkip());
}

}  // namespace orv
