#pragma once
// Turning a text typed in one layout into the text the same keys give in
// another: convertText between two given layouts, convertToNextLayout from
// the layout the text was most likely typed in to the next one of the
// program's layout order. Both work on learnt maps; KeyboardState adds the
// checks on installed layouts and the keyboard lock.

#include <cstdint>

#include "core/ArrT.h"
#include "core/Str.h"
#include "keyboard/LayoutCharMap.h"

namespace orv {

// Space, tab, line feed, vertical tab, form feed and carriage return: kept
// as they are by the conversions.
inline bool isConversionBlank(char16_t c) { return c == 32 || (c >= 9 && c <= 13); }

// Converts `text` (up to its first zero) typed in `from` into `to`. A
// character `from` cannot type stays itself (wide) and becomes its ANSI
// bytes, or "?", in narrow. Always succeeds; outputs are replaced.
void convertWithMaps(const Str16& text, const LayoutCharMap& from, const LayoutCharMap& to, Str16& wide,
                     Str8& narrow);

// The index in `order` of the layout that types the most characters of
// `text` (the first such), or -1 when fewer than two layouts are given or no
// single layout types every character.
int32_t likelySourceLayout(const Str16& text, const ArrT<const LayoutCharMap*>& order);

// Converts from the likely source to the layout after it in `order` (the
// first after the last). False, leaving the outputs untouched, when
// likelySourceLayout finds none.
bool convertToNextWithMaps(const Str16& text, const ArrT<const LayoutCharMap*>& order, Str16& wide,
                           Str8& narrow, int32_t* sourceIndex = nullptr);

}  // namespace orv
