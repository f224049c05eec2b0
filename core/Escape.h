#pragma once
// The escape codec of language files and other line-based stores:
// "\\" backslash, "\b" U+0008, "\n" LF, "\r" CR, "\t" TAB. Decoding maps a
// backslash before any other character to that character and drops a
// trailing lone backslash (the text ends there).
#include "core/Str.h"

namespace orv {
Str16 escapeDecode(const char16_t* text, int32_t len);
inline Str16 escapeDecode(const Str16& s) { return escapeDecode(s.data(), s.size()); }
Str16 escapeEncode(const char16_t* text, int32_t len);
inline Str16 escapeEncode(const Str16& s) { return escapeEncode(s.data(), s.size()); }
}  // namespace orv
