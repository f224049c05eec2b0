#pragma once
// The simulated desktop's keyboard layouts as data. Each table is the
// corresponding Windows layout (kbd*.dll) for every scan code in the four
// states the program learns: plain, Shift, Caps Lock and Caps Lock + Shift.
// Caps Lock acts per key as Windows makes it act: a key marked kCapsAsShift
// gives its shifted character with Caps Lock on and its plain one with Caps
// Lock and Shift; other keys ignore Caps Lock. AltGr states are not held
// (the program never learns them), but the dead-key combinations are held
// whole. One source file per layout: SimLayoutUs.cpp, SimLayoutRu.cpp,
// SimLayoutUa.cpp, SimLayoutDe.cpp, SimLayoutFr.cpp; docs/keyboard.md says
// where each fact comes from.
//
// The tables are compiled into both builds: the simulated desktop types
// with them, and the Windows tests compare the system's own layout with them.

#include <cstdint>

namespace orv {

enum SimKeyAttr : uint8_t {
  kCapsAsShift = 1,  // CAPLOK: Caps Lock acts like Shift on this key
  kDeadPlain = 2,    // the plain character is a dead key
  kDeadShift = 4,    // the shifted character is a dead key
};

// A key of the layout: scan code, virtual key, plain and shifted UTF-16
// characters (0 = none) and SimKeyAttr bits.
struct SimKey {
  uint8_t scan;
  uint8_t vk;
  char16_t plain;
  char16_t shift;
  uint8_t attr;
};

// A dead-key combination: dead character + base character -> result.
struct SimDeadCombo {
  char16_t dead;
  char16_t base;
  char16_t result;
};

struct SimLayout {
  uint32_t hkl;
  const char* shortName;  // "us", "ru", "ua", "de", "fr"
  const char* name;       // the name Windows shows for the layout
  uint32_t codePage;      // ANSI code page in which ANSI windows get its characters
  const SimKey* keys;
  int32_t keyCount;
  const SimDeadCombo* combos;
  int32_t comboCount;
};

// All simulated layouts in a fixed order (us, ru, ua, de, fr).
int32_t simLayoutCount();
const SimLayout& simLayoutAt(int32_t index);
// By handle; null when none.
const SimLayout* findSimLayout(uint32_t hkl);
// By short name (case-insensitive) or by handle in hexadecimal ("04190419",
// "0x04190419"); null when none.
const SimLayout* findSimLayout(const char* nameOrHex);

// The keys every layout shares (Escape, Backspace, Tab, Enter, Space,
// modifiers, function keys, the numeric keypad without Num Lock), with the
// virtual keys MapVirtualKeyW(scan, MAPVK_VSC_TO_VK_EX) gives for them.
int32_t simCommonKeyCount();
const SimKey& simCommonKeyAt(int32_t index);

// The key of `layout` (or a common key) with this scan code / virtual key;
// null when none.
const SimKey* simKeyByScan(const SimLayout& layout, uint32_t scan);
const SimKey* simKeyByVk(const SimLayout& layout, uint32_t vk);

// The character the key gives in shift state s (bit 0 Shift, bit 1 Caps
// Lock), and whether that character is a dead key.
char16_t simKeyChar(const SimKey& key, unsigned shiftState, bool* dead = nullptr);

}  // namespace orv
