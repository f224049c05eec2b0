#pragma once
// The structured values of some settings:
//  - "custom_colors": up to 16 colours, each "%.6X " of red, green, blue (so
//    each is followed by a blank); read back split at blanks, a leading "#"
//    dropped, each token hexadecimal. Colours are COLORREFs (red in the low
//    byte). Colours without a token keep their value, and so does a colour
//    whose token is not a hexadecimal number.
//  - "hkl" "order"/"skip": layout handles in hexadecimal ("%08X"), separated
//    by one blank; read back split at blanks and tabs.
//  - "dic" "order"/"skip": folder names separated by single blanks.

#include <cstdint>

#include "core/Str.h"

namespace orv {

Str16 formatCustomColors(const uint32_t colors[16]);
void parseCustomColors(const Str16& text, uint32_t colors[16]);

Str16 formatHexList(const ArrT<uint32_t>& values);
ArrT<uint32_t> parseHexList(const Str16& text);

Str16 formatNameList(const ArrT<Str16>& names);
ArrT<Str16> parseNameList(const Str16& text);

}  // namespace orv
