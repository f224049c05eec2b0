#include "app/TextFile.h"

#include "platform/FileSys.h"

namespace orv {

bool readTextLines(const Str16& path, int32_t bufSize, ArrT<Str8>& lines) {
  lines.clear();
  Str8 raw;
  if (!readFileBytes(path, raw)) return false;
  Str8 text;
  for (int32_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\x1A') break;
    if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    text.append(c);
  }
  int32_t start = 0;
  while (start < text.size()) {
    int32_t end = start;
    while (end < text.size() && end - start < bufSize - 1 && text[end] != '\n') ++end;
    if (end < text.size() && text[end] == '\n' && end - start < bufSize - 1) ++end;
    lines.append(Str8(text.data() + start, end - start));
    start = end;
  }
  return true;
}

bool writeTextFile(const Str16& path, const Str8& text) {
  Str8 out;
  for (char c : text) {
    if (c == '\n') out.append('\r');
    out.append(c);
  }
  out.data();
  return writeFileBytes(path, out);
}

Str8 trimmedText(const Str8& s) {
  auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  int32_t b = 0, e = s.size();
  while (b < e && space(s[b])) ++b;
  while (e > b && space(s[e - 1])) --e;
  Str8 out(s.data() + b, e - b);
  out.data();
  return out;
}

}  // namespace orv
