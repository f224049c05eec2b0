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
                           uint32_t& oddEnding, uint32_t& wordKnown, int32_t letterLimit) {
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
  // Each part is found by its bounds first and copied once: the text can be
  // a long line, and the cost of a key must not grow with it.
  auto letterRunStart = [&](int32_t i) {
    int32_t stop = letterLimit > 0 && i + 1 > letterLimit ? i + 1 - letterLimit : 0;
    while (i >= stop && letter(i)) --i;
    return i;
  };
  int32_t end = t.size();
  int32_t i = end - 1;
  int32_t stop = letterLimit > 0 && end > letterLimit ? end - letterLimit : 0;
  while (i >= stop && !letter(i)) --i;
  trailing.append(t.data() + i + 1, end - i - 1);
  bool trailingCut = i >= 0 && !letter(i);

  uint32_t last = 0;
  for (char c : trailing) {
    uint32_t cls = classOf(c);
    if (cls != last) shape.append(static_cast<char>(cls));
    last = cls;
  }
  if (shape.size() == 0 || shape == str8("ps") || shape == str8("p") || shape == str8("s")) wide.allOdd = 0;
  else if (wide.current == this) oddEnding = 1;

  int32_t wordEnd = i + 1;
  if (!trailingCut) i = letterRunStart(i);
  word.append(t.data() + i + 1, wordEnd - i - 1);
  wordCopy = word;
  // A run cut at the limit is too long to be analysed (a word, or the
  // characters after the word): what stands before it does not matter, and
  // it is never switched.
  bool cut = trailingCut || (i >= 0 && letter(i));
  if (i >= 0) delimiter = cut ? kClassOther : classOf(t[i]);

  wordStartKey = positionOf(i + 1);
  wordKeys = countKeys(wordStartKey, keyCount);

  if (delimiter == kClassSpace) {
    spaces = 1;
    --i;
    while (i >= 0 && t[i] == ' ') {
      ++spaces;
      --i;
    }
    int32_t prevEnd = i + 1;
    i = letterRunStart(i);
    // A word before that is too long for the analysis is no dictionary word.
    if (!(i >= 0 && letter(i))) {
      prevWord.append(t.data() + i + 1, prevEnd - i - 1);
      prevWordCopy = prevWord;
    }
    if (prevWord.size() > 0) prevKeys = countKeys(positionOf(i + 1), wordStartKey);
  }

  int32_t firstSpace = -1;
  for (int32_t k = 0; k < trailing.size(); ++k)
    if (trailing[k] == ' ') {
      firstSpace = k;
      break;
    }
  if (trailing.size() == 0 || firstSpace != trailing.size() - 1) wide.wordTerminated = 0;

  if (word.size() >= 2) status = host.checkInSet(word, static_cast<int32_t>(codePage));
  if (prevWord.size() > 0) prevStatus = host.checkInSet(prevWord, static_cast<int32_t>(codePage));
  if (status != 0 && wide.current == this) wordKnown = 1;
}

}  // namespace orv
