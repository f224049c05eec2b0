#include "app/ProgramEngine.h"

#include "app/Policies.h"
#include "app/ProgramWords.h"

namespace orv {

bool ProgramEngine::isNeverTrackedClass(const char* focusClass) { return orv::isNeverTrackedClass(focusClass); }

bool ProgramEngine::offerHotkey(KeyboardState& state, const KeyEventRecord& record) {
  bool matched = KeyboardEngine::offerHotkey(state, record);
  if (matched) myHotkeyMatched = true;
  return matched;
}

void ProgramEngine::layoutsChanged(KeyboardState& state) {
  KeyboardEngine::layoutsChanged(state);
  if (myWords) myWords->layoutsChanged(state);
}

void ProgramEngine::notePolicyCandidate(const char* exeName) { orv::notePolicyCandidate(exeName); }

KeyOutcome EngineKeyReceiver::onKey(const KeyEventRecord& k, bool password, HookShared& shared) {
  myEngine.clearHotkeyMatched();
  char exe[sizeof k.exeName + 1] = {};
  for (size_t i = 0; i < sizeof k.exeName && k.exeName[i]; ++i) exe[i] = k.exeName[i];
  myEngine.notePolicyCandidate(exe);
  const bool wasOff = myEngine.switchedOff();
  KeyOutcome out = myKeys.onKey(k, password, shared);
  if (out.kind != KeyOutcome::Sentinel && myEngine.hotkeyMatched()) out.kind = KeyOutcome::Hotkey;
  if (myEngine.switchedOff() != wasOff) out.command = ProgramCommand::OnOff;
  return out;
}

}  // namespace orv
