#pragma once
// Keys pressed in a simulated application: each press or release updates the
// simulated keyboard's key state (Caps Lock toggles on its key-down) and
// yields the key record the keyboard hook would take in that application.

#include <cstdint>

#include "hook/SharedBlock.h"
#include "platform/sim/SimKeyboard.h"

namespace orv::sim {

struct SimApp {
  uint32_t thread = 0x1001;
  uint32_t process = 0x2001;
  uint32_t focus = 0x3001;
  const char* exeName = "notepad.exe";
  const char* focusClass = "Edit";
};

class SimInput {
 public:
  SimInput(SimKeyboard& keyboard, SimApp app = SimApp()) : myKeyboard(keyboard), myApp(app) {}

  SimApp& app() { return myApp; }
  // A key-down (repeat: an auto-repeat of a held key) or key-up of a virtual
  // key with its scan code; `extended` sets bit 24 of the key flags.
  KeyEventRecord key(uint32_t vk, uint32_t scan, bool up, bool extended = false, bool repeat = false);
  // A mouse message (WM_LBUTTONDOWN ...) on `window` (the focus window when 0).
  MouseEventRecord mouse(uint32_t message, uint32_t window = 0);

 private:
  SimKeyboard& myKeyboard;
  SimApp myApp;
};

}  // namespace orv::sim
