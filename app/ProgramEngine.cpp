#include "app/ProgramEngine.h"

#include "app/Policies.h"

namespace orv {

bool ProgramEngine::isNeverTrackedClass(const char* focusClass) { return orv::isNeverTrackedClass(focusClass); }

bool ProgramEngine::offerHotkey(KeyboardState& state, const KeyEventRecord& record) {
  bool matched = KeyboardEngine::offerHotkey(state, record);
  if (matched) myHotkeyMatched = true;
  return matched;
}

KeyOutcome EngineKeyReceiver::onKey(const KeyEventRecord& k, bool password, HookShared& shared) {
  myEngine.clearHotkeyMatched();
  const bool wasOff = myEngine.switchedOff();
  KeyOutcome out = myKeys.onKey(k, password, shared);
  if (out.kind != KeyOutcome::Sentinel && myEngine.hotkeyMatched()) out.kind = KeyOutcome::Hotkey;
  if (myEngine.switchedOff() != wasOff) out.command = ProgramCommand::OnOff;
  return out;
}

}  // namespace orv
