#pragma once
// The keyboard port: what learning a layout's character map needs from the
// system. On Windows these are GetKeyboardLayoutList, GetKeyboardLayout,
// ActivateKeyboardLayout, MapVirtualKeyW(scan, MAPVK_VSC_TO_VK_EX),
// Get/SetKeyboardState and a hidden window of the dialog class that
// TranslateMessage feeds; the simulated desktop computes the same observable
// messages from its layout tables (platform/SimLayouts.h).
//
// A layout handle is kept in 32 bits (the records of the hook library carry
// it so); the Win32 shell sign-extends it back into an HKL.

#include <cstdint>

namespace orv {

using Hkl = uint32_t;

// What translating one key message and draining the queue produced: the
// first and second WM_CHAR and a WM_DEADCHAR, each as its 8-bit wParam (the
// probing window is an ANSI window).
struct KeyMessages {
  uint32_t firstChar = 0;
  uint32_t secondChar = 0;
  uint32_t deadChar = 0;
  uint8_t chars = 0;  // how many WM_CHAR came
  bool dead = false;  // a WM_DEADCHAR came
};

class KeyboardPort {
 public:
  virtual ~KeyboardPort() = default;

  // Installed layouts in the system's order; returns how many were written
  // (at most `room`).
  virtual int32_t layoutList(Hkl* out, int32_t room) = 0;
  // The calling thread's active layout.
  virtual Hkl currentLayout() = 0;
  // Activates a layout for the calling thread; false when it is not installed.
  virtual bool activateLayout(Hkl layout) = 0;
  // MapVirtualKeyW(scan, MAPVK_VSC_TO_VK_EX) in the active layout (0: none).
  virtual uint32_t scanToVk(uint32_t scan) = 0;
  virtual void getKeyState(uint8_t state[256]) = 0;
  virtual void setKeyState(const uint8_t state[256]) = 0;

  // The hidden probing window. Keys can be translated only while it is open.
  virtual bool openProbe() = 0;
  virtual void closeProbe() = 0;
  // Translates a key-down (up = false) or key-up of (vk, scan) through the
  // active layout with the current keyboard state and drains the queue.
  virtual KeyMessages translateKey(uint32_t vk, uint32_t scan, bool up) = 0;
};

// This build's keyboard: the real one on Windows, the simulated desktop's
// keyboard (platform/sim/SimKeyboard.h) elsewhere.
KeyboardPort& keyboardPort();

}  // namespace orv
