#include "keyboard/TextConversion.h"

#include "platform/Text.h"

namespace orv {

namespace {

int32_t textLength(const Str16& text) {
  int32_t n = 0;
  while (n < text.size() && text[n] != 0) ++n;
  return n;
}

}  // namespace

void convertWithMaps(const Str16& text, const LayoutCharMap& from, const LayoutCharMap& to, Str16& wide,
                     Str8& narrow) {
  Str16 w;
  Str8 n;
  int32_t len = textLength(text);
  for (int32_t i = 0; i < len; ++i) {
    char16_t c = text[i];
    if (isConversionBlank(c)) {
      w.append(c);
      n.append(static_cast<char>(c));
      continue;
    }
    const unsigned* found = from.fromWide.get(c);
    unsigned code = found ? *found : 0;
    const unsigned* tw = to.toWide.get(code);
    w.append(tw ? static_cast<char16_t>(*tw) : c);
    if (const unsigned* tc = to.toChar.get(code)) {
      n.append(static_cast<char>(*tc));
    } else {
      Str8 bytes;
      if (wideToMultiByte(kCpAnsi, &c, 1, bytes) && bytes.size() > 0) n.append(bytes);
      else n.append('?');
    }
  }
  wide.swap(w);
  narrow.swap(n);
}

int32_t likelySourceLayout(const Str16& text, const ArrT<const LayoutCharMap*>& order) {
  if (order.size() < 2) return -1;
  int32_t len = textLength(text);
  int32_t best = -1, bestScore = -1;
  for (int32_t l = 0; l < order.size(); ++l) {
    int32_t score = 0;
    for (int32_t i = 0; i < len; ++i)
      if (isConversionBlank(text[i]) || order[l]->fromWide.contains(text[i])) ++score;
    if (score > bestScore) {
      bestScore = score;
      best = l;
    }
  }
  return bestScore == len ? best : -1;
}

bool convertToNextWithMaps(const Str16& text, const ArrT<const LayoutCharMap*>& order, Str16& wide,
                           Str8& narrow, int32_t* sourceIndex) {
  int32_t source = likelySourceLayout(text, order);
  if (source < 0) return false;
  int32_t target = source + 1 < order.size() ? source + 1 : 0;
  convertWithMaps(text, *order[source], *order[target], wide, narrow);
  if (sourceIndex) *sourceIndex = source;
  return true;
}

}  // namespace orv
