// The simulated desktop's keyboard (see SimKeyboard.h).

#include "platform/sim/SimKeyboard.h"

#include <cstring>

#include "platform/Text.h"

namespace orv::sim {

namespace {

char16_t combine(const SimLayout& layout, char16_t dead, char16_t base) {
  for (int32_t i = 0; i < layout.comboCount; ++i)
    if (layout.combos[i].dead == dead && layout.combos[i].base == base) return layout.combos[i].result;
  return 0;
}

uint32_t toAnsi(const SimLayout& layout, char16_t c) {
  Str8 out;
  if (!wideToMultiByte(layout.codePage, &c, 1, out) || out.size() != 1) return '?';
  return static_cast<unsigned char>(out[0]);
}

}  // namespace

SimKeyboard::SimKeyboard() { reset(); }

void SimKeyboard::reset() {
  myInstalled.clear();
  myInstalled.append(0x04090409);
  myInstalled.append(0x04190419);
  myActive = 0x04090409;
  std::memset(myState, 0, sizeof(myState));
  myPendingDead = 0;
  myProbeOpen = false;
}

bool SimKeyboard::setInstalled(const Hkl* layouts, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (!findSimLayout(layouts[i])) return false;
    for (int32_t j = 0; j < i; ++j)
      if (layouts[j] == layouts[i]) return false;
  }
  bool activeStays = false;
  myInstalled.clear();
  for (int32_t i = 0; i < count; ++i) {
    myInstalled.append(layouts[i]);
    if (layouts[i] == myActive) activeStays = true;
  }
  if (!activeStays) myActive = count ? layouts[0] : 0;
  myPendingDead = 0;
  return true;
}

bool SimKeyboard::install(Hkl layout) {
  for (Hkl h : myInstalled)
    if (h == layout) return false;
  if (!findSimLayout(layout)) return false;
  myInstalled.append(layout);
  if (!myActive) myActive = layout;
  return true;
}

bool SimKeyboard::uninstall(Hkl layout) {
  for (int32_t i = 0; i < myInstalled.size(); ++i) {
    if (myInstalled[i] != layout) continue;
    myInstalled.remove(i);
    if (myActive == layout) myActive = myInstalled.size() ? myInstalled[0] : 0;
    return true;
  }
  return false;
}

const SimLayout* SimKeyboard::activeTable() const { return findSimLayout(myActive); }

int32_t SimKeyboard::layoutList(Hkl* out, int32_t room) {
  int32_t n = 0;
  for (Hkl h : myInstalled) {
    if (n >= room) break;
    out[n++] = h;
  }
  return n;
}

bool SimKeyboard::activateLayout(Hkl layout) {
  for (Hkl h : myInstalled) {
    if (h != layout) continue;
    if (layout != myActive) myPendingDead = 0;
    myActive = layout;
    return true;
  }
  return false;
}

uint32_t SimKeyboard::scanToVk(uint32_t scan) {
  const SimLayout* table = activeTable();
  if (!table || scan > 0xFF) return 0;
  const SimKey* key = simKeyByScan(*table, scan);
  return key ? key->vk : 0;
}

void SimKeyboard::getKeyState(uint8_t state[256]) { std::memcpy(state, myState, 256); }
void SimKeyboard::setKeyState(const uint8_t state[256]) { std::memcpy(myState, state, 256); }

bool SimKeyboard::openProbe() {
  myProbeOpen = true;
  return true;
}
void SimKeyboard::closeProbe() { myProbeOpen = false; }

int32_t SimKeyboard::typeKey(uint32_t vk, char16_t out[2], bool* dead) {
  *dead = false;
  const SimLayout* table = activeTable();
  if (!table) return 0;
  bool ctrl = (myState[0x11] | myState[0xA2] | myState[0xA3]) & 0x80;
  bool alt = (myState[0x12] | myState[0xA4] | myState[0xA5]) & 0x80;
  if (ctrl || alt) return 0;
  const SimKey* key = simKeyByVk(*table, vk);
  if (!key) return 0;
  unsigned shiftState = ((myState[0x10] | myState[0xA0] | myState[0xA1]) & 0x80) ? 1 : 0;
  if (myState[0x14] & 1) shiftState |= 2;
  bool isDead = false;
  char16_t c = simKeyChar(*key, shiftState, &isDead);
  if (!c) return 0;  // a key without a character leaves a pending dead key waiting
  if (myPendingDead) {
    char16_t d = myPendingDead;
    myPendingDead = 0;
    char16_t combined = combine(*table, d, c);
    if (combined) {
      out[0] = combined;
      return 1;
    }
    out[0] = d;
    out[1] = c;
    return 2;
  }
  if (isDead) {
    myPendingDead = c;
    *dead = true;
    out[0] = c;
    return 0;
  }
  out[0] = c;
  return 1;
}

KeyMessages SimKeyboard::translateKey(uint32_t vk, uint32_t /*scan*/, bool up) {
  KeyMessages m;
  const SimLayout* table = activeTable();
  if (!myProbeOpen || up || !table) return m;
  char16_t chars[2];
  bool dead = false;
  int32_t n = typeKey(vk, chars, &dead);
  if (dead) {
    m.dead = true;
    m.deadChar = toAnsi(*table, chars[0]);
  }
  if (n >= 1) m.firstChar = toAnsi(*table, chars[0]);
  if (n >= 2) m.secondChar = toAnsi(*table, chars[1]);
  m.chars = uint8_t(n);
  return m;
}

SimKeyboard& simKeyboard() {
  static SimKeyboard keyboard;
  return keyboard;
}

}  // namespace orv::sim

namespace orv {
KeyboardPort& keyboardPort() { return sim::simKeyboard(); }
}  // namespace orv
