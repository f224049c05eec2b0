// The program's hotkeys: recognised in the stream of key events (never
// registered with the system), swallowed with their key-ups, and dispatched
// by command name.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/IniSection.h"
#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

namespace {

void dispatch(KeyboardEngine& engine, const Str8& name) { engine.runCommand(name); }

struct HotkeyDefault {
  const char* name;
  const char16_t* label;
  int32_t code;
};

// In this order, which is also the order of matching.
constexpr HotkeyDefault kDefaults[] = {
    {"!!switch", u"$hk_switch", 0},
    {"!!clipboard_menu", u"$hk_sd_clbmenu", 0x457},  // Alt + W
    {"!!!onoff", u"$sd_on_off", 0x644},              // Ctrl + Alt + D
    {"!!switch_back", u"$sd_sw_back", 0x13},         // Pause
    {"!!switch_sel", u"$sd_sw_sel", 0x113},          // Shift + Pause
    {"!!tuner", u"$hk_sd_options", 0x64F},           // Ctrl + Alt + O
    {"!!new_note", u"$hk_sd_new_note", 0x64E},       // Ctrl + Alt + N
    {"translit", u"$hk_sd_translit", 0x254},         // Ctrl + T
    {"!!exit", u"$hk_exit", 0x679},                  // Ctrl + Alt + F10
};

bool isLockKey(uint32_t vk) { return vk == 20 || vk == 144 || vk == 145; }

}  // namespace

void KeyboardEngine::resetHotkeys() {
  myHotkeys.clear();
  for (const HotkeyDefault& d : kDefaults) {
    AHotKey k;
    k.name = str8(d.name);
    k.code = d.code;
    k.label = str16(d.label);
    k.action = &dispatch;
    myHotkeys.append(k);
  }
}

void KeyboardEngine::loadHotkeys(const ArrT<Str8>& names, const ArrT<Str8>& values) {
  for (int32_t i = 0; i < names.size() && i < values.size(); ++i)
    for (AHotKey& k : myHotkeys)
      if (k.name == names[i]) k.code = static_cast<int32_t>(std::strtol(values[i].data(), nullptr, 10));
}

void KeyboardEngine::loadHotkeys() {
  ArrT<Str8> names, values;
  for (const IniLine& line : readIniSection("hotkey")) {
    if (!line.hasValue) continue;
    names.append(line.name);
    values.append(line.value);
  }
  loadHotkeys(names, values);
}

int32_t KeyboardEngine::hotkeyCode(const char* name, int32_t def) const {
  for (const AHotKey& k : myHotkeys)
    if (k.name == str8(name)) return k.code;
  return def;
}

bool KeyboardEngine::setHotkeyCode(const char* name, int32_t code) {
  for (AHotKey& k : myHotkeys)
    if (k.name == str8(name)) {
      k.code = code;
      return true;
    }
  return false;
}

bool KeyboardEngine::matchHotkey(const KeyEventRecord& r) {
  if (hook::isKeyUp(r.keyFlags) || r.action != 1) return false;
  uint32_t vk = r.vk & 0xFF;
  // The lock-key command turns the key off again with a synthetic press
  // (scan code 0): that press is not the user's and runs nothing.
  if (isLockKey(vk) && !hook::isRealKey(r.keyFlags)) return false;
  int32_t code = static_cast<int32_t>(vk | ((r.modifiers & 7) << 8));
  for (const AHotKey& k : myHotkeys) {
    // A code without a key is an unbound hotkey: it never matches, not even
    // an event that carries no key code itself.
    if ((k.code & 0xFF) == 0 || (k.code & 0x7FF) != code) continue;
    hook::setSwallowUp(myShared, static_cast<uint8_t>(vk));
    if (r.modifiers & 1) hook::setSwallowUp(myShared, 16);
    if (r.modifiers & 2) hook::setSwallowUp(myShared, 17);
    if (r.modifiers & 4) hook::setSwallowUp(myShared, 18);
    AHotKey chosen = k;  // the action may change the table
    chosen.action(*this, chosen.name);
    if (vk == 20) myHost.postThreadCommand(r.thread, hook::kCmdCapsOff, 0);
    if (vk == 144) myHost.postThreadCommand(r.thread, hook::kCmdNumOff, 0);
    if (vk == 145) myHost.postThreadCommand(r.thread, hook::kCmdScrollOff, 0);
    return true;
  }
  return false;
}

void KeyboardEngine::runCommand(const Str8& name) {
  KeyboardState& state = *myState;
  auto is = [&](const char* n) { return name == str8(n); };
  if (is("!!!onoff")) {
    mySwitchedOff = !mySwitchedOff;
    if (mySwitchedOff) state.resetWord();
    else state.resetAndTrack();
    return;
  }
  if (is("!!exit")) {
    myHost.exitProgram();
    return;
  }
  if (mySwitchedOff) return;
  const KeyEventRecord& r = myShared.key;
  char exe[129];
  std::memcpy(exe, r.exeName, 128);
  exe[128] = 0;
  if (is("!!switch")) switchToNextLayout();
  else if (is("!!switch_back")) switchBack();
  else if (is("!!tuner")) myHost.openPolicies(exe);
  else if (is("!!switch_sel")) mySelection.convertSelection(r.thread);
  else if (is("!!new_note")) myHost.newNote();
  else if (is("translit")) mySelection.transliterateSelection(r.thread);
  else if (is("!!clipboard_menu")) {
    if (myHost.isWindow(r.focus)) {
      int32_t x = 0, y = 0;
      myHost.clientOrigin(r.focus, x, y);
      openClipboardMenu(r.thread, exe, true, x + r.caretRect[0] + 24, y + r.caretRect[1] + 24);
    } else {
      openClipboardMenu(r.thread, exe, false, 0, 0);
    }
    myMenuByKeyboard = true;
  }
}

Str16 hotkeyText(int32_t code) {
  uint32_t vk = static_cast<uint32_t>(code) & 0xFF;
  if (vk == 0) return Str16();
  char name[32] = {};
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) name[0] = static_cast<char>(vk);
  else if (vk >= 112 && vk <= 135) std::snprintf(name, sizeof(name), "VK_F%u", vk - 111);
  else if (vk >= 96 && vk <= 105) std::snprintf(name, sizeof(name), "NumPad%u", vk - 96);
  else {
    switch (vk) {
      case 12: std::strcpy(name, "Clear"); break;
      case 19: std::strcpy(name, "Pause"); break;
      case 106: std::strcpy(name, "Multiply"); break;
      case 107: std::strcpy(name, "Add"); break;
      case 108: std::strcpy(name, "Separator"); break;
      case 109: std::strcpy(name, "Substract"); break;
      case 110: std::strcpy(name, "Decimal"); break;
      case 111: std::strcpy(name, "Divide"); break;
      case 144: std::strcpy(name, "NumLock"); break;
      case 145: std::strcpy(name, "ScrollLock"); break;
      default: return Str16();
    }
  }
  Str8 text;
  if (code & 0x100) text.append(str8("Shift + "));
  if (code & 0x200) text.append(str8("Ctrl + "));
  if (code & 0x400) text.append(str8("Alt + "));
  text.append(str8(name));
  Str16 out;
  for (char c : text) out.append(static_cast<char16_t>(c));
  return out;
}

}  // namespace orv
