#include "hook/ReceiverKeys.h"

#include "hook/HookLogic.h"

namespace orv {

namespace {
constexpr uint32_t kCtrlAlt = 2 | 4;
constexpr uint32_t kVkF10 = 0x79;
}  // namespace

HotkeyMatch matchFrameHotkey(const KeyEventRecord& k) {
  HotkeyMatch m;
  if (hook::isKeyUp(k.keyFlags) || k.action != 1 || k.modifiers != kCtrlAlt) return m;
  const uint32_t vk = k.vk & 0xFF;
  if (vk == 'D') m.command = ProgramCommand::OnOff;
  else if (vk == kVkF10) m.command = ProgramCommand::Exit;
  else return m;
  m.matched = true;
  m.repeat = (k.keyFlags & 0x40000000u) != 0;
  if (m.repeat) m.command = ProgramCommand::None;
  return m;
}

KeyOutcome FrameKeyReceiver::onKey(const KeyEventRecord& k, bool password, HookShared& shared) {
  KeyOutcome out;
  if (k.sequenceDone) {
    out.kind = KeyOutcome::Sentinel;
    return out;
  }
  HotkeyMatch m = matchFrameHotkey(k);
  if (m.matched) {
    hook::setSwallowUp(shared, static_cast<uint8_t>(k.vk));
    out.kind = KeyOutcome::Hotkey;
    out.result = 1;
    out.command = m.command;
    return out;
  }
  if (password) out.kind = KeyOutcome::Password;
  return out;
}

}  // namespace orv
