#include "platform/sim/SimInput.h"

#include <cstring>

namespace orv::sim {

namespace {

void copyText(char* field, size_t size, const char* text) {
  std::memset(field, 0, size);
  if (text) std::strncpy(field, text, size - 1);
}

// The generic key of a left/right modifier and the sided key of a generic one.
void setSided(uint8_t* state, uint32_t vk, uint32_t scan, bool extended, bool down) {
  uint8_t v = down ? 0x80 : 0;
  auto set = [&](uint32_t generic, uint32_t left, uint32_t right, bool isRight) {
    state[isRight ? right : left] = v;
    state[generic] = (state[left] | state[right]) & 0x80;
  };
  switch (vk) {
    case 16: case 160: case 161: set(16, 160, 161, vk == 161 || scan == 0x36); break;
    case 17: case 162: case 163: set(17, 162, 163, vk == 163 || extended); break;
    case 18: case 164: case 165: set(18, 164, 165, vk == 165 || extended); break;
    default: state[vk & 0xFF] = (state[vk & 0xFF] & 1) | v; break;
  }
}

}  // namespace

KeyEventRecord SimInput::key(uint32_t vk, uint32_t scan, bool up, bool extended, bool repeat) {
  uint8_t* state = myKeyboard.keyState();
  if (!up && vk == 20 && !repeat) state[20] ^= 1;  // Caps Lock toggles on its key-down
  setSided(state, vk, scan, extended, !up);

  KeyEventRecord r;
  std::memset(&r, 0, sizeof(r));
  r.thread = myApp.thread;
  r.process = myApp.process;
  r.focus = myApp.focus;
  r.vk = vk;
  r.keyFlags = 1u | ((scan & 0xFF) << 16) | (extended ? (1u << 24) : 0u);
  if (up) r.keyFlags |= 0xC0000000u;
  else if (repeat) r.keyFlags |= 0x40000000u;
  copyText(r.exeName, sizeof(r.exeName), myApp.exeName);
  copyText(r.focusClass, sizeof(r.focusClass), myApp.focusClass);
  r.layout = myKeyboard.currentLayout();
  r.action = 1;
  std::memcpy(r.keyState, state, 256);
  r.modifiers = ((state[16] & 0x80) ? 1u : 0u) | ((state[17] & 0x80) ? 2u : 0u) | ((state[18] & 0x80) ? 4u : 0u);
  r.capsLock = state[20] & 1;
  return r;
}

MouseEventRecord SimInput::mouse(uint32_t message, uint32_t window) {
  const uint8_t* state = myKeyboard.keyState();
  MouseEventRecord m;
  std::memset(&m, 0, sizeof(m));
  m.window = window ? window : myApp.focus;
  m.hitTest = 1;  // HTCLIENT
  m.message = message;
  m.thread = myApp.thread;
  m.process = myApp.process;
  copyText(m.exeName, sizeof(m.exeName), myApp.exeName);
  m.layout = myKeyboard.currentLayout();
  m.modifiers = ((state[16] & 0x80) ? 1u : 0u) | ((state[17] & 0x80) ? 2u : 0u) | ((state[18] & 0x80) ? 4u : 0u);
  std::memcpy(m.keyState, state, 256);
  m.focus = myApp.focus;
  copyText(m.focusClass, sizeof(m.focusClass), myApp.focusClass);
  return m;
}

}  // namespace orv::sim
