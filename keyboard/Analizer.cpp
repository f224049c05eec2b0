// Taking a layout's text apart: the word at its end and what surrounds it.

#include "keyboard/Analizer.h"

#include <cstdio>

#include "keyboard/KeybBuffer.h"
#include "keyboard/KeyboardHost.h"
#include "language/Locale.h"
#include "platform/Text.h"

namespace orv {

namespace {

constexpr const char* kPunctuation = "\",.?!;:()";

// Prepends a character to a string.
void prepend(Str8& s, char c) { s.insertAt(0, c); }

}  // namespace

Analizer::Analizer(Hkl layout_, KeybBuffer* buffer_, KeyboardHost* host) : layout(layout_), buffer(buffer_) {
  MyNLS nls = localeRecord(layout & 0xFFFF);
  if (nls.lcid != 0) {
    codePage = nls.ansiCodePage;
    if (nls.englishLanguage) languageName = str8(nls.englishLanguage);
  }
  if (host) {
    char line[64];
    std::snprintf(line, sizeof(line), "Analizer:class nls %X\n", nls.lcid);
    host->debugLog(line);
  }
  for (int c = 1; c < 256; ++c) {
    char byte = static_cast<char>(c);
    Str16 w;
    if (!multiByteToWide(codePage, &byte, 1, w) || w.size() != 1) continue;
    char16_t lower = w[0], upper = w[0];
    charLowerBuffW(&lower, 1);
    charUpperBuffW(&upper, 1);
    myLetters[c] = lower != upper;
  }
}

uint32_t Analizer::classOf(char c) {
  if (c == ' ') return kClassSpace;
  for (const char* p = kPunctuation; *p; ++p)
    if (*p == c) return kClassPunct;
  return kClassOther;
}

void Analizer::extractWord(const uint32_t* keys, int32_t keyCount, AnalysisWide& wide, KeyboardHost& host,
                           uint32_t& oddEnding, uint32_t& wordKnown) {
  // 1
  status = prevStatus = 0;
  word.clear();
  wordCopy.clear();
  prevWord.clear();
  prevWordCopy.clear();
  trailing.clear();
  shape.clear();
  wordKeys = spaces = prevKeys = wordStartKey = 0;
  delimiter = kDelimNone;
  const Str8& t = buffer->text;
  textCopy = t;
  if (t.size() == 0) {
    wide.wordTerminated = 0;  // nothing ends here: no word, no trailing
    wide.allOdd = 0;          // and nothing unusual either
    return;
  }
  const ArrT<int>& pos = buffer->positions;
  auto letter = [&](int32_t i) { return isLetter(static_cast<unsigned char>(t[i])); };
  auto positionOf = [&](int32_t i) { return i < pos.size() ? pos[i] : keyCount; };
  auto countKeys = [&](int32_t from, int32_t to) {
    int32_t n = 0;
    for (int32_t k = from < 0 ? 0 : from; k < to && k < keyCount; ++k)
      if ((keys[k] >> 16) != 0) ++n;
    return n;
  };
  // 2
  int32_t i = t.size() - 1;
  while (i >= 0 && !letter(i)) prepend(trailing, t[i--]);
  // 3
  uint32_t last = 0;
  for (char c : trailing) {
    uint32_t cls = classOf(c);
    if (cls != last) shape.append(static_cast<char>(cls));
    last = cls;
  }
  // 4
  if (shape.size() == 0 || shape == str8("ps") || shape == str8("p") || shape == str8("s")) wide.allOdd = 0;
  else if (wide.current == this) oddEnding = 1;
  // 5
  while (i >= 0 && letter(i)) {
    prepend(word, t[i]);
    prepend(wordCopy, t[i]);
    --i;
  }
  if (i >= 0) delimiter = classOf(t[i]);
  // 6
  wordStartKey = positionOf(i + 1);
  wordKeys = countKeys(wordStartKey, keyCount);
  // 7
  if (delimiter == kClassSpace) {
    spaces = 1;
    --i;
    while (i >= 0 && t[i] == ' ') {
      ++spaces;
      --i;
    }
    while (i >= 0 && letter(i)) {
      prepend(prevWord, t[i]);
      prepend(prevWordCopy, t[i]);
      --i;
    }
    if (prevWord.size() > 0) prevKeys = countKeys(positionOf(i + 1), wordStartKey);
  }
  // 8
  int32_t firstSpace = -1;
  for (int32_t k = 0; k < trailing.size(); ++k)
    if (trailing[k] == ' ') {
      firstSpace = k;
      break;
    }
  if (trailing.size() == 0 || firstSpace != trailing.size() - 1) wide.wordTerminated = 0;
  // 9-11
  if (word.size() >= 2) status = host.checkInSet(word, static_cast<int32_t>(codePage));
  if (prevWord.size() > 0) prevStatus = host.checkInSet(prevWord, static_cast<int32_t>(codePage));
  if (status != 0 && wide.current == this) wordKnown = 1;
}

}  // namespace orv
