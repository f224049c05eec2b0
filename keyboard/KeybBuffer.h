#pragma once
// One installed layout's view of the typed keys: its learnt character map
// and the typed-key array rendered through it. Created and destroyed only by
// KeyboardState::syncLayouts. The analyser binds its own per-layout state to
// the buffer through KeyboardSeams::bufferCreated.

#include <cstdint>

#include "core/ArrT.h"
#include "core/Str.h"
#include "keyboard/LayoutCharMap.h"

namespace orv {

struct KeybBuffer {
  uint32_t seen = 0;      // used by syncLayouts
  Hkl layout = 0;
  unsigned codePage = 0;  // the map's code page
  LayoutCharMap map;
  Str8 text;              // the typed keys rendered through this layout
  ArrT<int> positions;    // per character of text: index of the element that produced it
  // The text of the last rendering, against which the next rendering
  // decides whether the text grew. Emptied with the typed keys.
  Str8 lastRendered;
};

}  // namespace orv
