#pragma once
// A keyboard port with no layouts installed, for tests of the engine's
// commands that need no typing.
#include <algorithm>

#include "platform/Keyboard.h"

namespace orv::test {

struct NoLayoutKeyboard : KeyboardPort {
  int32_t layoutList(Hkl*, int32_t) override { return 0; }
  Hkl currentLayout() override { return 0; }
  bool activateLayout(Hkl) override { return false; }
  uint32_t scanToVk(uint32_t) override { return 0; }
  void getKeyState(uint8_t s[256]) override { std::fill(s, s + 256, 0); }
  void setKeyState(const uint8_t*) override {}
  bool openProbe() override { return false; }
  void closeProbe() override {}
  KeyMessages translateKey(uint32_t, uint32_t, bool) override { return {}; }
};

}  // namespace orv::test
