#include "app/LangFile.h"

#include "app/TextFile.h"
#include "core/Escape.h"
#include "platform/Text.h"

namespace orv {

namespace {
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

void addLangLine(const Str8& line, LangTable& table) {
  if (line.empty() || !isAsciiLetter(line[0])) return;
  int32_t len = line.size();
  if (line[len - 1] == '\n') --len;
  int32_t eq = 0;
  while (eq < len && line[eq] != '=') ++eq;
  if (eq >= len - 1) return;  // no "=", or nothing after it
  Str8 key = trimmedText(Str8(line.data(), eq));
  Str16 key16, text16;
  multiByteToWide(kCpUtf8, key.data(), key.size(), key16);
  multiByteToWide(kCpUtf8, line.data() + eq + 1, len - eq - 1, text16);
  Str16 text = escapeDecode(text16);
  if (key16.empty() || text.empty()) return;
  table.put(key16, text);
}

bool loadLangFile(const Str16& path, LangTable& table) {
  ArrT<Str8> lines;
  if (!readTextLines(path, 1000, lines)) return false;
  for (int32_t i = 0; i < lines.size(); ++i) {
    const Str8& l = lines[i];
    if (i == 0 && l.size() >= 3 && l[0] == '\xEF' && l[1] == '\xBB' && l[2] == '\xBF')
      addLangLine(Str8(l.data() + 3, l.size() - 3), table);
    else
      addLangLine(l, table);
  }
  return true;
}

Str8 formatLangFile(const LangTable& table) {
  Str8 out;
  for (const auto& e : table.items()) {
    Str8 key, text;
    wideToMultiByte(kCpUtf8, e.key.data(), e.key.size(), key);
    Str16 esc = escapeEncode(e.val);
    wideToMultiByte(kCpUtf8, esc.data(), esc.size(), text);
    out.append(key);
    out.append('=');
    out.append(text);
    out.append('\n');
  }
  out.data();
  return out;
}

}  // namespace orv
