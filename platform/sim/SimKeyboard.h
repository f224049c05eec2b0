#pragma once
// The simulated desktop's keyboard: the installed layouts in the system's
// order, the active layout, the keyboard state and the pending dead key of
// the (single) simulated input thread. Key translation follows the tables
// of platform/SimLayouts.h the way Windows' TranslateMessage follows a
// kbd*.dll: a dead key gives WM_DEADCHAR and waits; the next key gives the
// combined character, or the dead character and then its own (two WM_CHAR)
// when the pair does not combine. Characters reach the probing window in the
// layout's ANSI code page. With Ctrl or Alt held no character is produced.

#include <cstdint>

#include "core/ArrT.h"
#include "platform/Keyboard.h"
#include "platform/SimLayouts.h"

namespace orv::sim {

class SimKeyboard : public KeyboardPort {
 public:
  // A fresh desktop: US and Russian installed in this order, US active, all
  // keys up, Caps Lock off.
  SimKeyboard();
  void reset();

  // Replaces the installed set (system order = this order). Handles that are
  // not simulated layouts and duplicates are refused: returns false and
  // changes nothing. The active layout becomes the first one unless it stays
  // installed.
  bool setInstalled(const Hkl* layouts, int32_t count);
  bool install(Hkl layout);
  bool uninstall(Hkl layout);
  const ArrT<Hkl>& installed() const { return myInstalled; }
  const SimLayout* activeTable() const;
  char16_t pendingDead() const { return myPendingDead; }

  // KeyboardPort
  int32_t layoutList(Hkl* out, int32_t room) override;
  Hkl currentLayout() override { return myActive; }
  bool activateLayout(Hkl layout) override;
  uint32_t scanToVk(uint32_t scan) override;
  void getKeyState(uint8_t state[256]) override;
  void setKeyState(const uint8_t state[256]) override;
  bool openProbe() override;
  void closeProbe() override;
  KeyMessages translateKey(uint32_t vk, uint32_t scan, bool up) override;

  // The same translation for a key typed into the simulated application
  // (no probing window needed): the UTF-16 characters it produced.
  int32_t typeKey(uint32_t vk, char16_t out[2], bool* dead);

  uint8_t* keyState() { return myState; }

 private:
  ArrT<Hkl> myInstalled;
  Hkl myActive = 0;
  uint8_t myState[256] = {};
  char16_t myPendingDead = 0;
  bool myProbeOpen = false;
};

// The simulated desktop's keyboard; keyboardPort() returns it in the native
// build.
SimKeyboard& simKeyboard();

}  // namespace orv::sim
