#pragma once
// What every key of one keyboard layout gives, learnt from the system by
// feeding each key to its own key translation (buildLayoutCharMap), and the
// rendering of typed keys through it (renderKeys).
//
// A key code is a scan code in bits 0-7 and a shift state in bits 8-9
// (0 plain, 1 Shift, 2 Caps Lock, 3 Caps Lock and Shift), as in the
// typed-key array. 8-bit characters are in the layout's code page.

#include <cstdint>

#include "core/MapT.h"
#include "core/SetT.h"
#include "core/Str.h"
#include "platform/Keyboard.h"

namespace orv {

inline constexpr unsigned keyCode(unsigned scan, unsigned shiftState) { return (scan & 0xFF) | ((shiftState & 3) << 8); }
inline constexpr unsigned keyScan(unsigned code) { return code & 0xFF; }
inline constexpr unsigned keyShiftState(unsigned code) { return (code >> 8) & 3; }

struct LayoutCharMap {
  MapT<unsigned, unsigned> keys;      // scan code -> virtual key, keys that type without modifiers
  MapT<unsigned, unsigned> toChar;    // key code -> 8-bit character (a dead key: its own character)
  MapT<unsigned, unsigned> toWide;    // key code -> UTF-16 character
  MapT<unsigned, unsigned> fromChar;  // 8-bit character -> key code (lowest shift state wins)
  MapT<unsigned, unsigned> fromWide;  // UTF-16 character -> key code (lowest shift state wins)
  // dead key code -> (scan code of the following key -> combined 8-bit
  // character, 0 when the pair gives none); both keys in the dead key's
  // shift state.
  MapT<unsigned, MapT<unsigned, unsigned>> deadKeys;
  SetT<unsigned> letters;             // UTF-16 letters with two case forms, both forms
  SetT<unsigned char> letters8;       // the same as 8-bit characters
  Hkl layout = 0;
  unsigned codePage = 0;              // ANSI code page of the layout's language (0: none known)
};

// Virtual keys never learnt: they type no text, or the typed-key array
// handles them itself (Space among them).
bool isExcludedVk(unsigned vk);

// The ANSI code page of a layout's language (its low 16 bits) from the
// locale table; 0 when the language has none.
unsigned layoutCodePage(Hkl layout);

// Learns a layout through the keyboard port. Activates it for the calling
// thread and changes the keyboard state while it runs; restores both.
LayoutCharMap buildLayoutCharMap(KeyboardPort& port, Hkl layout);

// Renders typed-key elements (only bits 0-15, the key codes, are read)
// through a map: 8-bit text and, per character, the index of the element
// that produced it. A dead key still pending at the end gives nothing.
void renderKeys(const LayoutCharMap& map, const uint32_t* elements, int32_t count, Str8& text,
                ArrT<int>& positions);

}  // namespace orv
