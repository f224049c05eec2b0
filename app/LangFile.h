#pragma once
// The language file format (".lng"): UTF-8 text, an optional byte-order
// mark; one entry "key=text" per line. A line counts only when its first
// byte is an ASCII letter; the key is the text before the first "=" less
// the white space around it, the text everything after it, escapes decoded
// (core/Escape.h). A line without "=" or with an empty text adds nothing.
// Lines are read with a buffer of 1000 bytes.

#include "core/MapT.h"
#include "core/Str.h"

namespace orv {

using LangTable = MapT<Str16, Str16>;

// Adds the entries of the file to `table` (a later line of the same key
// replaces an earlier one). False when the file cannot be read.
bool loadLangFile(const Str16& path, LangTable& table);

// One line as read from the file (its "\n" included or not).
void addLangLine(const Str8& line, LangTable& table);

// The file's text: "key=text\n" per entry in key order, texts escaped, UTF-8.
Str8 formatLangFile(const LangTable& table);

}  // namespace orv
