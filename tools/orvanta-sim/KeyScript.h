#pragma once
// Key scripts of orvanta-sim (syntax in docs/orvanta-sim.md): UTF-8 text in
// which plain characters are typed as the keys that give them in the active
// layout, and {Name} stands for a named key, a chord such as {Ctrl+Alt+D},
// a key pressed or released alone ({Press:Space}, {Release:v}: fast typing
// that holds one key while the next goes down), a layout switch
// {Layout:ru}, or a choice in the open popup menu ({Menu:2}, {Menu:Esc}).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::simtool {

struct ScriptStep {
  enum Kind { kChar, kKey, kLayout, kMenu } kind = kChar;
  char16_t ch = 0;          // kChar: the character to type
  uint32_t vk = 0;          // kKey: virtual key (0x41..0x5A, 0x30..0x39 for a letter or digit)
  uint32_t scan = 0;        // kKey: scan code; 0 for a letter or digit (found in the active layout)
  bool extended = false;    // kKey: bit 24 of the key flags
  uint32_t modifiers = 0;   // kKey: bit 0 Shift, bit 1 Ctrl, bit 2 Alt held around the key
  enum Edge { kTap, kPress, kRelease } edge = kTap;  // kKey: both, only the key-down, only the key-up
  std::string layout;       // kLayout: short name or handle in hexadecimal
  int32_t menuItem = 0;     // kMenu: the item, 1-based; 0 closes the menu (Esc)
};

// Parses a script; false with a message naming the offending part.
bool parseKeyScript(std::string_view utf8, std::vector<ScriptStep>& out, std::string& error);

}  // namespace orv::simtool
