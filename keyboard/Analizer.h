#pragma once
// The wrong-layout analyser's per-layout state: one Analizer per word
// buffer, bound to its layout for the buffer's life. extractWord takes the
// buffer's text apart (the last word, what follows it, what stands before
// it, the word before it and how many typed keys they took) and asks the
// dictionary set about the words. The analysis driver and the decision are
// KeyboardEngine::analyseWord and decideByDictionary (Analysis.cpp).

#include <cstdint>

#include "core/ArrT.h"
#include "core/Str.h"
#include "platform/Keyboard.h"

namespace orv {

struct KeybBuffer;
class KeyboardHost;

// What stands before the word (Analizer::delimiter) and the classes of
// trailing characters.
constexpr uint32_t kDelimNone = 0;
constexpr uint32_t kClassSpace = 's';
constexpr uint32_t kClassPunct = 'p';
constexpr uint32_t kClassOther = '@';

// A word of this many letters or more in any layout stops the analysis, and
// so do this many characters or more after the last word.
constexpr int32_t kTooLongWord = 99;

// The analysis-wide state, reset at the start of every analysis.
struct AnalysisWide {
  uint32_t wordTerminated = 0;
  uint32_t allOdd = 0;
  uint32_t tooLong = 0;
  int32_t longest = 0;
  int32_t shortest = 0;
  struct Analizer* current = nullptr;
};

struct Analizer {
  // Looks the layout's language up in the locale table; writes
  // "Analizer:class nls %X\n" to the debug log through `host` (may be null).
  Analizer(Hkl layout, KeybBuffer* buffer, KeyboardHost* host);

  Hkl layout = 0;
  uint32_t codePage = 0;
  KeybBuffer* buffer = nullptr;
  int32_t status = 0;
  int32_t prevStatus = 0;
  Str8 word;
  Str8 wordCopy;
  Str8 prevWord;
  Str8 prevWordCopy;
  Str8 trailing;
  Str8 shape;
  uint32_t delimiter = kDelimNone;
  int32_t wordKeys = 0;
  int32_t spaces = 0;
  int32_t prevKeys = 0;
  int32_t wordStartKey = 0;
  Str8 languageName;

  // Whether a byte of codePage is a letter: alone in UTF-16 its lower and
  // upper case differ. Computed once per code page.
  bool isLetter(unsigned char c) const { return myLetters[c] != 0; }
  static uint32_t classOf(char c);

  // Takes the buffer's text apart against the typed-key array. Sets the
  // analysis-wide wordTerminated/allOdd as the rules say; returns through
  // `oddEnding` and `wordKnown` the event flags for the current Analizer.
  // Looks words up through `host`. With a `letterLimit`, runs are read back
  // no further than that many characters: a longer last word is its last
  // `letterLimit` letters with delimiter '@', longer trailing characters are
  // their last `letterLimit` with no word before them, and a longer word
  // before the word counts as none. The analysis stops on such runs anyway
  // (kTooLongWord), and so the cost of a key does not grow with the line.
  void extractWord(const uint32_t* typedKeys, int32_t typedCount, AnalysisWide& wide, KeyboardHost& host,
                   uint32_t& oddEnding, uint32_t& wordKnown, int32_t letterLimit = 0);

 private:
  uint8_t myLetters[256] = {};
};

}  // namespace orv
