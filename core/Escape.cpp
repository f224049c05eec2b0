#include "core/Escape.h"

namespace orv {

Str16 escapeDecode(const char16_t* t, int32_t len) {
  Str16 out;
  out.data();
  for (int32_t i = 0; i < len; ++i) {
    char16_t c = t[i];
    if (c != u'\\') {
      out.append(c);
      continue;
    }
    if (i + 1 >= len) break;
    char16_t n = t[++i];
    switch (n) {
      case u'b': out.append(u'\b'); break;
      case u'n': out.append(u'\n'); break;
      case u'r': out.append(u'\r'); break;
      case u't': out.append(u'\t'); break;
      default: out.append(n); break;  // includes the backslash itself
    }
  }
  return out;
}

Str16 escapeEncode(const char16_t* t, int32_t len) {
  Str16 out;
  out.data();
  for (int32_t i = 0; i < len; ++i) {
    char16_t c = t[i];
    const char16_t* rep = nullptr;
    switch (c) {
      case u'\b': rep = u"\\b"; break;
      case u'\t': rep = u"\\t"; break;
      case u'\n': rep = u"\\n"; break;
      case u'\r': rep = u"\\r"; break;
      case u'\\': rep = u"\\\\"; break;
      default: break;
    }
    if (rep)
      out.append(rep, 2);
    else
      out.append(c);
  }
  return out;
}

}  // namespace orv
