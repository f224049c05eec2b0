// The registry of simulated layouts and the keys they all share.

#include "platform/SimLayouts.h"

#include <cstdlib>
#include <cstring>

namespace orv {

extern const SimLayout kSimLayoutUs;
extern const SimLayout kSimLayoutRu;
extern const SimLayout kSimLayoutUa;
extern const SimLayout kSimLayoutDe;
extern const SimLayout kSimLayoutFr;

namespace {

const SimLayout* const kLayouts[] = {&kSimLayoutUs, &kSimLayoutRu, &kSimLayoutUa, &kSimLayoutDe,
                                     &kSimLayoutFr};

// Scan code -> virtual key as MapVirtualKeyW(scan, MAPVK_VSC_TO_VK_EX) gives
// it for keys that are the same in every layout (the numeric keypad as with
// Num Lock off). The characters are those of the layouts' VK_ESCAPE,
// VK_BACK, VK_TAB, VK_RETURN, VK_SPACE, VK_MULTIPLY, VK_SUBTRACT and VK_ADD
// entries.
const SimKey kCommon[] = {
    {0x01, 0x1B, 0x1B, 0x1B, 0},   // Escape
    {0x0E, 0x08, u'\b', u'\b', 0}, // Backspace
    {0x0F, 0x09, u'\t', u'\t', 0}, // Tab
    {0x1C, 0x0D, u'\r', u'\r', 0}, // Enter
    {0x1D, 0xA2, 0, 0, 0},         // Left Ctrl
    {0x2A, 0xA0, 0, 0, 0},         // Left Shift
    {0x36, 0xA1, 0, 0, 0},         // Right Shift
    {0x37, 0x6A, u'*', u'*', 0},   // keypad *
    {0x38, 0xA4, 0, 0, 0},         // Left Alt
    {0x39, 0x20, u' ', u' ', 0},   // Space
    {0x3A, 0x14, 0, 0, 0},         // Caps Lock
    {0x3B, 0x70, 0, 0, 0},         // F1 .. F10
    {0x3C, 0x71, 0, 0, 0},
    {0x3D, 0x72, 0, 0, 0},
    {0x3E, 0x73, 0, 0, 0},
    {0x3F, 0x74, 0, 0, 0},
    {0x40, 0x75, 0, 0, 0},
    {0x41, 0x76, 0, 0, 0},
    {0x42, 0x77, 0, 0, 0},
    {0x43, 0x78, 0, 0, 0},
    {0x44, 0x79, 0, 0, 0},
    {0x45, 0x90, 0, 0, 0},         // Num Lock
    {0x46, 0x91, 0, 0, 0},         // Scroll Lock
    {0x47, 0x24, 0, 0, 0},         // keypad 7 / Home
    {0x48, 0x26, 0, 0, 0},         // keypad 8 / Up
    {0x49, 0x21, 0, 0, 0},         // keypad 9 / Page Up
    {0x4A, 0x6D, u'-', u'-', 0},   // keypad -
    {0x4B, 0x25, 0, 0, 0},         // keypad 4 / Left
    {0x4C, 0x0C, 0, 0, 0},         // keypad 5 / Clear
    {0x4D, 0x27, 0, 0, 0},         // keypad 6 / Right
    {0x4E, 0x6B, u'+', u'+', 0},   // keypad +
    {0x4F, 0x23, 0, 0, 0},         // keypad 1 / End
    {0x50, 0x28, 0, 0, 0},         // keypad 2 / Down
    {0x51, 0x22, 0, 0, 0},         // keypad 3 / Page Down
    {0x52, 0x2D, 0, 0, 0},         // keypad 0 / Insert
    {0x53, 0x2E, 0, 0, 0},         // keypad . / Delete
    {0x54, 0x2C, 0, 0, 0},         // SysRq
    {0x57, 0x7A, 0, 0, 0},         // F11
    {0x58, 0x7B, 0, 0, 0},         // F12
};

bool equalsNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    char ca = (*a >= 'A' && *a <= 'Z') ? char(*a + 32) : *a;
    char cb = (*b >= 'A' && *b <= 'Z') ? char(*b + 32) : *b;
    if (ca != cb) return false;
  }
  return *a == *b;
}

}  // namespace

int32_t simLayoutCount() { return int32_t(sizeof(kLayouts) / sizeof(kLayouts[0])); }
const SimLayout& simLayoutAt(int32_t index) { return *kLayouts[index]; }

const SimLayout* findSimLayout(uint32_t hkl) {
  for (const SimLayout* l : kLayouts)
    if (l->hkl == hkl) return l;
  return nullptr;
}

const SimLayout* findSimLayout(const char* nameOrHex) {
  if (!nameOrHex || !*nameOrHex) return nullptr;
  for (const SimLayout* l : kLayouts)
    if (equalsNoCase(l->shortName, nameOrHex)) return l;
  const char* p = nameOrHex;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) p += 2;
  if (!*p || std::strlen(p) > 8) return nullptr;
  for (const char* q = p; *q; ++q) {
    bool hex = (*q >= '0' && *q <= '9') || (*q >= 'a' && *q <= 'f') || (*q >= 'A' && *q <= 'F');
    if (!hex) return nullptr;
  }
  return findSimLayout(uint32_t(std::strtoul(p, nullptr, 16)));
}

int32_t simCommonKeyCount() { return int32_t(sizeof(kCommon) / sizeof(kCommon[0])); }
const SimKey& simCommonKeyAt(int32_t index) { return kCommon[index]; }

const SimKey* simKeyByScan(const SimLayout& layout, uint32_t scan) {
  for (int32_t i = 0; i < layout.keyCount; ++i)
    if (layout.keys[i].scan == scan) return &layout.keys[i];
  for (const SimKey& k : kCommon)
    if (k.scan == scan) return &k;
  return nullptr;
}

const SimKey* simKeyByVk(const SimLayout& layout, uint32_t vk) {
  for (int32_t i = 0; i < layout.keyCount; ++i)
    if (layout.keys[i].vk == vk) return &layout.keys[i];
  for (const SimKey& k : kCommon)
    if (k.vk == vk) return &k;
  return nullptr;
}

char16_t simKeyChar(const SimKey& key, unsigned shiftState, bool* dead) {
  bool shift = (shiftState & 1) != 0;
  if ((shiftState & 2) && (key.attr & kCapsAsShift)) shift = !shift;
  if (dead) *dead = (key.attr & (shift ? kDeadShift : kDeadPlain)) != 0;
  return shift ? key.shift : key.plain;
}

}  // namespace orv
