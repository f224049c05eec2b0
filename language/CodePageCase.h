#pragma once
// Case rules of one code page as byte tables, so that the dictionary's hot
// paths (lower-case form, capital mask, restoring capitals) need no
// conversion per word. Each entry is what the text port gives for that byte
// alone: convert to UTF-16, CharLowerW/CharUpperW, convert back. For a
// single-byte code page that is exactly what converting a whole word gives;
// for other code pages `singleByte` is false and callers convert whole words.

#include "core/Str.h"

namespace orv {

struct CodePageCase {
  unsigned codePage = 0;
  bool singleByte = false;
  unsigned char lower[256];         // the lower-case byte ('?' when the page cannot hold it)
  unsigned char upper[256];         // the capital, or the byte itself when there is none
  bool changedByLower[256];         // CharLowerW changes this byte's character

  void build(unsigned cp);
};

// The tables of a code page, built on first use and kept for the process
// (0 and 1 stand for the ANSI and OEM code pages current at that moment).
const CodePageCase& codePageCase(unsigned cp);

// The lower-case form of an 8-bit word: to UTF-16 with the code page,
// CharLowerW, back with the same code page.
Str8 lowerForm(const CodePageCase& cc, const char* word, int32_t len);
// Bit i set when CharLowerW changes character i (i < 32); 0 for an
// all-lower-case word.
uint32_t capitalMask(const CodePageCase& cc, const char* word, int32_t len);

}  // namespace orv
