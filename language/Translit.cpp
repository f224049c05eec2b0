#include "language/Translit.h"

#include "language/Locale.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {

namespace {

// The line buffer of the table reader: a line is read in pieces of at most
// this many bytes minus its terminator.
constexpr int32_t kLineBuffer = 100;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

int32_t textLength(const Str16& text) {
  int32_t n = 0;
  while (n < text.size() && text[n] != 0) ++n;
  return n;
}

// One piece as a text-mode read gives it: up to the line feed, at most
// kLineBuffer - 1 bytes; a zero byte ends what the tokenizer sees.
void parseLine(const char* p, int32_t n, unsigned codePage, TranslitTable& table, int32_t& longest) {
  int32_t end = 0;
  while (end < n && p[end] != 0) ++end;
  const char* tokens[3];
  int32_t lengths[3];
  int32_t count = 0;
  for (int32_t i = 0; i < end;) {
    while (i < end && isSeparator(p[i])) ++i;
    if (i == end) break;
    int32_t start = i;
    while (i < end && !isSeparator(p[i])) ++i;
    if (count == 3) return;
    tokens[count] = p + start;
    lengths[count] = i - start;
    ++count;
  }
  if (count != 2) return;
  Str16 key;
  UStrWAPair value;
  if (!multiByteToWide(codePage, tokens[0], lengths[0], key) || key.size() == 0) return;
  if (!multiByteToWide(codePage, tokens[1], lengths[1], value.wide)) return;
  value.narrow.append(tokens[1], lengths[1]);
  table.put(key, value);
  if (key.size() > longest) longest = key.size();
}

bool readTable(const Str16& folder, const Str8& sub, const char16_t* name, Str8& bytes) {
  if (sub.size() == 0) return false;
  Str16 wideSub;
  for (char c : sub) wideSub.append(static_cast<char16_t>(static_cast<unsigned char>(c)));  // ASCII names
  return readFileBytes(joinPath(joinPath(folder, view(wideSub)), name), bytes);
}

}  // namespace

Translit::Translit(uint32_t languageId) {
  MyNLS nls = localeRecord(languageId & 0xFFFF);
  if (nls.language) myLanguage = str8(nls.language);
  if (nls.culture) myCulture = str8(nls.culture);
  myCodePage = nls.ansiCodePage;
}

int32_t Translit::parseTable(const Str8& bytes, unsigned codePage, TranslitTable& table) {
  // What a text-mode read sees: CR LF as LF, nothing after Ctrl+Z.
  Str8 text;
  for (int32_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == 0x1A) break;
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.append(c);
  }
  int32_t longest = 0;
  for (int32_t at = 0; at < text.size();) {
    int32_t n = 0;
    while (at + n < text.size() && n < kLineBuffer - 1) {
      if (text[at + n++] == '\n') break;
    }
    parseLine(text.data() + at, n, codePage, table, longest);
    at += n;
  }
  return longest;
}

void Translit::load(const Str16& folder) {
  myToLatin.clear();
  myFromLatin.clear();
  myLongestTo = myLongestFrom = 0;
  if (myLanguage.size() == 0 || myLanguage == str8("en")) return;
  Str8 bytes;
  if (readTable(folder, myCulture, u"to_eng.txt", bytes) || readTable(folder, myLanguage, u"to_eng.txt", bytes))
    myLongestTo = parseTable(bytes, myCodePage, myToLatin);
  if (readTable(folder, myCulture, u"from_eng.txt", bytes) || readTable(folder, myLanguage, u"from_eng.txt", bytes))
    myLongestFrom = parseTable(bytes, myCodePage, myFromLatin);
}

void Translit::convertWith(const Str16& text, int32_t len, const TranslitTable& table, int32_t longest,
                           Str16& wide, Str8& narrow) const {
  Str16 w;
  Str8 n;
  Str16 key;
  for (int32_t at = 0; at < len;) {
    int32_t take = len - at < longest ? len - at : longest;
    for (; take >= 1; --take) {
      key.clear();
      key.append(text.data() + at, take);
      if (const UStrWAPair* hit = table.get(key)) {
        w.append(hit->wide);
        n.append(hit->narrow);
        break;
      }
    }
    if (take >= 1) {
      at += take;
      continue;
    }
    char16_t c = text[at++];
    w.append(c);
    Str8 bytes;
    if (wideToMultiByte(myCodePage, &c, 1, bytes) && bytes.size() > 0) n.append(bytes);
    else n.append('?');
  }
  wide.swap(w);
  narrow.swap(n);
}

bool Translit::convert(const Str16& text, const SetT<unsigned>& layoutLetters, Str16& wide, Str8& narrow) const {
  int32_t len = textLength(text);
  for (int32_t i = 0; i < len; ++i) {
    char16_t c = text[i];
    if (c < 126 && isCharAlphaW(c)) {
      convertWith(text, len, myFromLatin, myLongestFrom, wide, narrow);
      return true;
    }
    if (layoutLetters.contains(c)) {
      convertWith(text, len, myToLatin, myLongestTo, wide, narrow);
      return true;
    }
  }
  return false;
}

int32_t selectActiveTranslit(const ArrT<const Translit*>& sets, const Str8& active, Str8& writeBack) {
  writeBack = active;
  if (active == str8("*")) return -1;
  if (active != str8("?"))
    for (int32_t i = 0; i < sets.size(); ++i)
      if (sets[i]->language() == active) return i;
  for (int32_t i = 0; i < sets.size(); ++i)
    if (sets[i]->language() != str8("en") && sets[i]->hasTables()) {
      writeBack = sets[i]->language();
      return i;
    }
  writeBack = str8("?");
  return -1;
}

}  // namespace orv
