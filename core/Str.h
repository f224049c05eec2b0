#pragma once
// String helpers over ArrT<char> (8-bit, code page named by the caller) and
// ArrT<char16_t> (UTF-16 on every build; the Win32 shell casts at its calls).

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ArrT.h"

namespace orv {

using Str8 = ArrT<char>;
using Str16 = ArrT<char16_t>;

Str8 str8(std::string_view s);
Str16 str16(std::u16string_view s);
inline std::string_view view(const Str8& s) { return {s.data(), static_cast<size_t>(s.size())}; }
inline std::u16string_view view(const Str16& s) { return {s.data(), static_cast<size_t>(s.size())}; }
inline void appendText(Str8& s, std::string_view t) { s.append(t.data(), static_cast<int32_t>(t.size())); }
inline void appendText(Str16& s, std::u16string_view t) { s.append(t.data(), static_cast<int32_t>(t.size())); }

// UTF-8 <-> UTF-16 without any port: used by tools and tests for their own
// input and output. Ill-formed input becomes U+FFFD.
Str16 utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
inline std::string utf16ToUtf8(const Str16& s) { return utf16ToUtf8(view(s)); }
// One code point (surrogates and values past U+10FFFF become U+FFFD).
void appendUtf8(std::string& out, uint32_t codePoint);

// ASCII-only case folding (charset names, file name comparisons).
char asciiLower(char c);
void asciiLowerInPlace(Str8& s);

}  // namespace orv
