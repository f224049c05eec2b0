#pragma once
// The built-in locale and charset tables: for a Windows language identifier
// its code pages and names, and the charset names of the Windows code page
// list. Constant data compiled into the program.

#include <cstdint>

#include "core/Str.h"

namespace orv {

struct MyNLS {
  uint32_t lcid;              // locale identifier, e.g. 0x419
  uint32_t ansiCodePage;      // 1251
  uint32_t oemCodePage;       // 866
  const char* language;       // ISO 639 code, "ru" ("gsw" where no two-letter code exists)
  const char* culture;        // "ru-RU"; a neutral locale's culture is its language code
  const char* region3;        // ISO 3166 alpha-3, "RUS"
  const char* windowsAbbrev;  // three-letter Windows abbreviation, "RUS"
  const char* englishDisplay; // "Russian (Russia)"
  const char* englishLanguage;// "Russian"
  char16_t nativeName[50];    // in the language itself, zero-terminated
};

// The table, in its order, and its length (230 records).
const MyNLS* localeTable();
int32_t localeTableSize();

// Builds the identifier index; done once at start-up, and on first use.
void buildLocaleIndex();

// The record of a 16-bit language identifier (the low word of a layout
// handle), or a record of zeros when there is none.
MyNLS localeRecord(uint32_t languageId);

// Charset name to code page (0 when unknown); writes the trace line "'name'".
int32_t charsetToCodePage(const Str8& name);
inline int32_t charsetToCodePage(const char* name) { return charsetToCodePage(str8(name)); }

// Code page to its lower-case charset name, or "unknown-charset".
Str8 codePageToCharset(int32_t codePage);

}  // namespace orv
