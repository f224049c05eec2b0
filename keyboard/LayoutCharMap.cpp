// Learning a layout's character map and rendering typed keys through it.

#include "keyboard/LayoutCharMap.h"

#include <cstring>

#include "language/Locale.h"
#include "platform/Text.h"

namespace orv {

namespace {

struct ExcludedVks {
  bool set[256] = {};
  ExcludedVks() {
    const unsigned singles[] = {1, 2, 3, 4, 8, 9, 12, 13, 16, 17, 18, 19, 20, 21, 23, 24, 25, 27, 91, 92, 93, 144, 145, 229};
    for (unsigned v : singles) set[v] = true;
    for (unsigned v = 28; v <= 47; ++v) set[v] = true;
    for (unsigned v = 96; v <= 135; ++v) set[v] = true;
    for (unsigned v = 160; v <= 165; ++v) set[v] = true;
    for (unsigned v = 246; v <= 254; ++v) set[v] = true;
  }
};

const ExcludedVks& excluded() {
  static const ExcludedVks table;  // built once
  return table;
}

// Translates a key-down and a key-up; the key-down's messages are the result.
KeyMessages pressKey(KeyboardPort& port, unsigned vk, unsigned scan) {
  KeyMessages down = port.translateKey(vk, scan, false);
  port.translateKey(vk, scan, true);
  return down;
}

void addWide(LayoutCharMap& map, unsigned code, unsigned c) {
  char byte = static_cast<char>(c);
  Str16 wide;
  if (!multiByteToWide(map.codePage, &byte, 1, wide) || wide.size() != 1 || wide[0] == 0) return;
  char16_t w = wide[0];
  map.fromWide.put(w, code);
  map.toWide.put(code, w);
  char16_t upper = w, lower = w;
  charUpperBuffW(&upper, 1);
  charLowerBuffW(&lower, 1);
  if (upper == lower) return;
  for (char16_t form : {upper, lower}) {
    map.letters.add(form);
    Str8 back;
    if (wideToMultiByte(map.codePage, &form, 1, back) && back.size() == 1 && (back[0] != '?' || form == u'?'))
      map.letters8.add(static_cast<unsigned char>(back[0]));
  }
}

}  // namespace

bool isExcludedVk(unsigned vk) { return vk < 256 && excluded().set[vk]; }

unsigned layoutCodePage(Hkl layout) { return localeRecord(layout & 0xFFFF).ansiCodePage; }

LayoutCharMap buildLayoutCharMap(KeyboardPort& port, Hkl layout) {
  LayoutCharMap map;
  map.layout = layout;
  map.codePage = layoutCodePage(layout);

  Hkl previous = port.currentLayout();
  port.activateLayout(layout);

  for (unsigned scan = 1; scan <= 255; ++scan) {
    unsigned vk = port.scanToVk(scan);
    if (!isExcludedVk(vk)) map.keys.put(scan, vk);
  }

  if (!port.openProbe()) {
    port.activateLayout(previous);
    map.keys.clear();
    return map;
  }
  uint8_t saved[256], work[256];
  port.getKeyState(saved);
  std::memcpy(work, saved, sizeof(work));
  for (unsigned b : {16u, 17u, 18u, 20u, 160u, 161u, 162u, 163u, 164u, 165u}) work[b] = 0;
  port.setKeyState(work);

  // Keys that type nothing without modifiers are dropped for good.
  ArrT<unsigned> silent;
  for (int32_t i = 0; i < map.keys.size(); ++i) {
    KeyMessages m = pressKey(port, map.keys.valAt(i), map.keys.keyAt(i));
    if (m.chars == 0 && !m.dead) silent.append(map.keys.keyAt(i));
  }
  for (unsigned scan : silent) map.keys.remove(scan);
  for (int32_t i = 0; i < map.keys.size(); ++i) work[map.keys.valAt(i) & 0xFF] = 0;

  // Highest shift state first: a character several codes give maps back to
  // the lowest shift state.
  for (int s = 3; s >= 0; --s) {
    uint8_t state[256];
    std::memcpy(state, work, sizeof(state));
    if (s & 2) state[20] = 1;
    if (s & 1) state[16] = 0x80;
    for (int32_t i = 0; i < map.keys.size(); ++i) {
      unsigned scan = map.keys.keyAt(i), vk = map.keys.valAt(i);
      unsigned code = keyCode(scan, unsigned(s));
      port.setKeyState(state);
      KeyMessages m = pressKey(port, vk, scan);
      unsigned c;
      if (m.dead) c = m.deadChar;
      else if (m.chars) c = m.firstChar;
      else continue;
      map.toChar.put(code, c);
      map.fromChar.put(c, code);
      addWide(map, code, c);
      if (!m.dead) continue;

      pressKey(port, vk, scan);  // a second press gives the dead character and clears it
      MapT<unsigned, unsigned> combos;
      for (int32_t j = 0; j < map.keys.size(); ++j) {
        port.setKeyState(state);
        port.translateKey(vk, scan, false);
        KeyMessages second = port.translateKey(map.keys.valAt(j), map.keys.keyAt(j), false);
        if (second.chars >= 2) continue;
        combos.put(map.keys.keyAt(j), second.chars ? second.firstChar : 0);
        // A second key that typed nothing left the dead key waiting; pressing
        // it once more gives it out, so the next pair starts clean.
        if (second.chars == 0) pressKey(port, vk, scan);
      }
      map.deadKeys.put(code, combos);
    }
  }

  port.closeProbe();
  port.setKeyState(saved);
  port.activateLayout(previous);
  return map;
}

void renderKeys(const LayoutCharMap& map, const uint32_t* elements, int32_t count, Str8& text,
                ArrT<int>& positions) {
  text.clear();
  positions.clear();
  const MapT<unsigned, unsigned>* pending = nullptr;
  unsigned own = 0;
  auto put = [&](unsigned c, int32_t k) {
    text.append(static_cast<char>(c));
    positions.append(k);
  };
  for (int32_t k = 0; k < count; ++k) {
    unsigned code = elements[k] & 0xFFFF;
    if (code == 0) {
      unsigned c = pending ? own : 32u;
      if (c) put(c, k);
      pending = nullptr;
      continue;
    }
    if (pending) {
      const unsigned* combined = pending->get(code);
      pending = nullptr;
      if (combined && *combined) {
        put(*combined, k);
      } else if (own) {
        put(own, k);
        if (const unsigned* c = map.toChar.get(code)) put(*c, k);
      }
      continue;
    }
    if (const MapT<unsigned, unsigned>* dead = map.deadKeys.get(code)) {
      pending = dead;
      const unsigned* c = map.toChar.get(code);
      own = c ? *c : 0;
      continue;
    }
    if (const unsigned* c = map.toChar.get(code)) put(*c, k);
  }
}

}  // namespace orv
