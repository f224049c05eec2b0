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
  // The length of the last rendering, against which the next one decides
  // whether the text grew. Zero again when the typed keys are emptied.
  int32_t lastRenderedSize = 0;

  // Brings text and positions to the rendering of keys[0, count) through
  // the map, byte for byte what renderKeys gives, at a cost that depends on
  // what changed at the end of the keys, not on how many there are. The
  // keys rendered before must still stand in front of `keys`, except at
  // their end: keys appended, the last ones removed or replaced, or all of
  // them dropped (the typed-key array changes only there).
  void render(const uint32_t* keys, int32_t count);
  // The typed keys were emptied: the next rendering starts afresh, and
  // until then the text stays as it is.
  void restart() {
    myRendered.clear();
    lastRenderedSize = 0;
  }

 private:
  // Per rendered key: its key code and the dead key left pending after it
  // (its key code, 0 for none, and its own character), so that keys can be
  // taken back off the end and the rendering go on from there.
  struct RenderedKey {
    unsigned code;
    unsigned pendingDead;
    unsigned pendingOwn;
  };
  ArrT<RenderedKey> myRendered;
};

}  // namespace orv
