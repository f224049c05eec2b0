#pragma once
// IDictionary: what the rest of the program asks of a dictionary. Thirteen
// operations in this slot order. Word arguments are 8-bit strings in the
// dictionary's code page. Implementations take no lock: the dictionary set's
// lock serialises their users.

#include <cstdio>

#include "core/SetT.h"
#include "core/Str.h"

namespace orv {

class IDictionary {
 public:
  virtual ~IDictionary() = default;
  virtual Str16 getName() const = 0;
  virtual int32_t getCodePage() const = 0;
  virtual Str8 getLanguage() const = 0;
  virtual Str16 getTitle() = 0;
  virtual void addWord(const Str8& word) = 0;
  // Writes both indexes and the charset file; false when any file could not
  // be written (the old files then stay as they were).
  virtual bool save() = 0;
  // Cased words, then plain words, one per line ending in `lineEnd`.
  virtual void writeWordList(FILE* stream, const char* lineEnd) = 0;
  // Known with exactly the capitals it has.
  virtual bool isWord(const Str8& word) = 0;
  // 0 unknown, 1 a known word, 2 only the beginning of known words.
  virtual int checkWord(const Str8& word) = 0;
  virtual SetT<Str8> getSuggestions(const Str8& word) = 0;
  virtual SetT<char> getCharList() = 0;
  virtual SetT<Str8> getCompletions(const Str8& prefix, int32_t max) = 0;
};

}  // namespace orv
