#include "platform/Text.h"

namespace orv {

Str16 toWide(const Str8& s, unsigned codePage) {
  Str16 out;
  multiByteToWide(codePage, s.data(), s.size(), out);
  return out;
}

Str8 toNarrow(const Str16& s, unsigned codePage) {
  Str8 out;
  wideToMultiByte(codePage, s.data(), s.size(), out);
  return out;
}

void charLowerBuffW(char16_t* text, int32_t len) {
  for (int32_t i = 0; i < len; ++i) text[i] = charLowerW(text[i]);
}

void charUpperBuffW(char16_t* text, int32_t len) {
  for (int32_t i = 0; i < len; ++i) text[i] = charUpperW(text[i]);
}

}  // namespace orv
