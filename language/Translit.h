#pragma once
// Transliteration tables of one keyboard layout's language: "to_eng.txt"
// (native letters to Latin) and "from_eng.txt" (Latin to native letters),
// and the conversion of a text with whichever of them the text itself
// chooses.
//
// Table files live in the program folder's "Translit" folder, in a
// sub-folder named with the language's culture name ("ru-RU") or, for a
// file not found there, its two-letter code ("ru"). They are 8-bit text in
// the layout's ANSI code page, read as lines of at most 99 bytes (a longer
// line goes on as a line of its own); a line of exactly two tokens
// (separated by spaces, tabs, line ends or form feeds) maps the first to the
// second, a later line replacing an earlier one with the same key; every
// other line is ignored. Keys match exactly: a capital needs its own line.
// English ("en") layouts never get tables.

#include <cstdint>

#include "core/ArrT.h"
#include "core/MapT.h"
#include "core/SetT.h"
#include "core/Str.h"

namespace orv {

// A replacement in UTF-16 and the same text as 8-bit text.
struct UStrWAPair {
  Str16 wide;
  Str8 narrow;
};

using TranslitTable = MapT<Str16, UStrWAPair>;

class Translit {
 public:
  // For a layout's 16-bit language identifier (the low word of its handle);
  // the tables stay empty until load.
  explicit Translit(uint32_t languageId);

  // Loads both tables from `translitFolder`, unless the language is unknown
  // or English. Missing files leave their table empty.
  void load(const Str16& translitFolder);

  const Str8& language() const { return myLanguage; }  // two-letter code, empty when unknown
  unsigned codePage() const { return myCodePage; }
  bool hasTables() const { return myToLatin.size() > 0 || myFromLatin.size() > 0; }
  const TranslitTable& toLatin() const { return myToLatin; }
  const TranslitTable& fromLatin() const { return myFromLatin; }

  // Rewrites `text` (up to its first zero) with the table its first deciding
  // character selects: an ASCII letter the from-Latin table, a letter of the
  // layout (`layoutLetters`, UTF-16 letters of its character map) the
  // to-Latin one. Greedy from the left, longest key first; a character no
  // key starts is copied. False, outputs untouched, for a text without a
  // deciding character.
  bool convert(const Str16& text, const SetT<unsigned>& layoutLetters, Str16& wide, Str8& narrow) const;

  // Fills a table from a file's bytes (in `codePage`); returns the longest
  // key in UTF-16 units.
  static int32_t parseTable(const Str8& bytes, unsigned codePage, TranslitTable& table);

 private:
  void convertWith(const Str16& text, int32_t len, const TranslitTable& table, int32_t longest, Str16& wide,
                   Str8& narrow) const;

  Str8 myLanguage;
  Str8 myCulture;
  unsigned myCodePage = 0;
  TranslitTable myToLatin;
  TranslitTable myFromLatin;
  int32_t myLongestTo = 0;
  int32_t myLongestFrom = 0;
};

// The active table set by the "translit" "active" setting: "*" none; a
// language code the first of `sets` with that language (when there is none,
// as for "?"); "?" the first non-English set that has a table. `writeBack`
// is what the setting becomes (the chosen language, or "?" when nothing
// was found automatically); it stays as it was for "*" and a found code.
// Returns the index in `sets`, or -1.
int32_t selectActiveTranslit(const ArrT<const Translit*>& sets, const Str8& active, Str8& writeBack);

}  // namespace orv
