// A layout's rendering of the typed keys, kept key by key: each key adds
// characters at the end of the text only, so taking keys back is cutting the
// characters they produced, and a dead key's state after each key is all
// the next key needs.

#include "keyboard/KeybBuffer.h"

namespace orv {

void KeybBuffer::render(const uint32_t* keys, int32_t count) {
  int32_t keep = myRendered.size() < count ? myRendered.size() : count;
  while (keep > 0 && myRendered[keep - 1].code != (keys[keep - 1] & 0xFFFF)) --keep;
  if (keep == 0) {
    text.clear();
    positions.clear();
    myRendered.clear();
  } else if (keep < myRendered.size()) {
    int32_t n = positions.size();
    while (n > 0 && positions[n - 1] >= keep) --n;
    text.remove(n, text.size() - n);
    positions.remove(n, positions.size() - n);
    myRendered.remove(keep, myRendered.size() - keep);
  }
  unsigned dead = keep > 0 ? myRendered[keep - 1].pendingDead : 0;
  unsigned own = keep > 0 ? myRendered[keep - 1].pendingOwn : 0;
  auto put = [&](unsigned c, int32_t k) {
    text.append(static_cast<char>(c));
    positions.append(k);
  };
  for (int32_t k = keep; k < count; ++k) {
    unsigned code = keys[k] & 0xFFFF;
    if (code == 0) {
      unsigned c = dead ? own : 32u;
      if (c) put(c, k);
      dead = 0;
    } else if (dead) {
      const MapT<unsigned, unsigned>* combos = map.deadKeys.get(dead);
      const unsigned* combined = combos ? combos->get(code) : nullptr;
      dead = 0;
      if (combined && *combined) {
        put(*combined, k);
      } else if (own) {
        put(own, k);
        if (const unsigned* c = map.toChar.get(code)) put(*c, k);
      }
    } else if (map.deadKeys.get(code)) {
      dead = code;
      const unsigned* c = map.toChar.get(code);
      own = c ? *c : 0;
    } else if (const unsigned* c = map.toChar.get(code)) {
      put(*c, k);
    }
    myRendered.append(RenderedKey{code, dead, dead ? own : 0});
  }
}

}  // namespace orv
