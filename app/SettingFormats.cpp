#include "app/SettingFormats.h"

#include <cstdio>

namespace orv {

namespace {

void appendAscii(Str16& out, const char* s) {
  for (; *s; ++s) out.append(char16_t(*s));
}

int hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// A whole token of hexadecimal digits (at most 8 significant).
bool parseHex(std::u16string_view token, uint32_t& value) {
  if (token.empty() || token.size() > 16) return false;
  uint64_t v = 0;
  for (char16_t c : token) {
    int d = hexDigit(c);
    if (d < 0) return false;
    v = (v << 4) | uint64_t(d);
  }
  if (v > 0xFFFFFFFFull) return false;
  value = uint32_t(v);
  return true;
}

// Splits at any of the separators, dropping empty tokens.
ArrT<Str16> split(const Str16& text, std::u16string_view seps) {
  ArrT<Str16> out;
  std::u16string_view t = view(text);
  size_t start = 0;
  for (size_t i = 0; i <= t.size(); ++i) {
    if (i < t.size() && seps.find(t[i]) == std::u16string_view::npos) continue;
    if (i > start) out.append(Str16(t.data() + start, int32_t(i - start)));
    start = i + 1;
  }
  return out;
}

}  // namespace

Str16 formatCustomColors(const uint32_t colors[16]) {
  Str16 out;
  out.data();
  for (int i = 0; i < 16; ++i) {
    uint32_t c = colors[i];
    uint32_t rgb = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.6X ", static_cast<unsigned>(rgb));
    appendAscii(out, buf);
  }
  return out;
}

void parseCustomColors(const Str16& text, uint32_t colors[16]) {
  ArrT<Str16> tokens = split(text, u" ");
  for (int32_t i = 0; i < tokens.size() && i < 16; ++i) {
    std::u16string_view t = view(tokens[i]);
    if (!t.empty() && t[0] == u'#') t.remove_prefix(1);
    uint32_t rgb;
    if (!parseHex(t, rgb) || rgb > 0xFFFFFF) continue;
    colors[i] = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
  }
}

Str16 formatHexList(const ArrT<uint32_t>& values) {
  Str16 out;
  out.data();
  for (int32_t i = 0; i < values.size(); ++i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, i ? " %08X" : "%08X", static_cast<unsigned>(values[i]));
    appendAscii(out, buf);
  }
  return out;
}

ArrT<uint32_t> parseHexList(const Str16& text) {
  ArrT<uint32_t> out;
  for (const Str16& t : split(text, u" \t")) {
    uint32_t v;
    if (parseHex(view(t), v)) out.append(v);
  }
  return out;
}

Str16 formatNameList(const ArrT<Str16>& names) {
  Str16 out;
  out.data();
  for (int32_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    if (out.size()) out.append(u' ');
    out.append(names[i]);
  }
  return out;
}

ArrT<Str16> parseNameList(const Str16& text) { return split(text, u" "); }

}  // namespace orv
