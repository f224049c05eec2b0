#include "hook/HookLogic.h"

#include <cstring>

namespace orv::hook {

namespace {

bool isCtrl(uint8_t vk) { return vk == 17 || vk == 162 || vk == 163; }

}  // namespace

bool testSwallowUp(HookShared& s, uint8_t vk, bool clear) {
  if (isCtrl(vk)) {
    bool set = s.swallowUp[17] || s.swallowUp[162] || s.swallowUp[163];
    if (clear) s.swallowUp[17] = s.swallowUp[162] = s.swallowUp[163] = 0;
    return set;
  }
  bool set = s.swallowUp[vk] != 0;
  if (clear) s.swallowUp[vk] = 0;
  return set;
}

void setSwallowUp(HookShared& s, uint8_t vk) { s.swallowUp[vk] = 1; }

KeyVerdict decideKey(HookShared& s, int nCode, uint32_t wParam, uint32_t lParam) {
  if (nCode != kHcAction && nCode != kHcNoRemove) return KeyVerdict::PassOn;
  if (s.receiver == 0 || s.unhooking == 1 || s.busy == 1) return KeyVerdict::PassOn;
  const bool up = isKeyUp(lParam);
  const bool real = isRealKey(lParam);
  const bool act = nCode == kHcAction;
  const uint8_t key = static_cast<uint8_t>(wParam & 0xFF);
  if (s.sequenceActive == 1) {
    if (real) {
      if (up && act) testSwallowUp(s, key, true);
      return KeyVerdict::Swallow;
    }
    return key == kSentinelVk ? KeyVerdict::Report : KeyVerdict::PassOn;
  }
  if (real && testSwallowUp(s, key, false)) {
    if (up) {
      if (act) testSwallowUp(s, key, true);
      return KeyVerdict::Swallow;
    }
    testSwallowUp(s, key, true);
  }
  return KeyVerdict::Report;
}

bool finishSequence(HookShared& s, uint32_t wParam, uint32_t lParam, uint8_t keyState[256]) {
  if (wParam != kSentinelVk || !isKeyUp(lParam) || s.sequenceActive != 1) return false;
  s.sequenceActive = 0;
  s.key.sequenceDone = 1;
  if (s.leftShift) keyState[160] = keyState[16] = 0x80;
  if (s.rightShift) keyState[161] = keyState[16] = 0x80;
  if (s.leftCtrl) keyState[162] = keyState[17] = 0x80;
  if (s.rightCtrl) keyState[163] = keyState[17] = 0x80;
  return true;
}

AfterReport afterKeyReport(int nCode, uint32_t wParam, intptr_t result) {
  if (result != 0) return nCode == kHcAction ? AfterReport::Swallow : AfterReport::RemoveAndResend;
  return (wParam & 0xFF) == kSentinelVk ? AfterReport::Swallow : AfterReport::PassOn;
}

bool isReportedMouseMessage(uint32_t msg) {
  switch (msg) {
    case 161: case 162: case 164: case 165: case 167: case 168:
      return true;
    default:
      return msg >= 513 && msg <= 521;
  }
}

void copySequence(StepSink& out) {
  out.step({SeqStep::RecordModifiers, 0, false});
  out.step({SeqStep::ReleaseModifiers, 0, false});
  out.step({SeqStep::Key, 17, false});
  out.step({SeqStep::Key, 67, false});
  out.step({SeqStep::Key, 67, true});
  out.step({SeqStep::Key, 17, true});
  out.step({SeqStep::Sentinel, kSentinelVk, true});
}

void pasteSequence(uint32_t pasteLayout, uint32_t eraseCount, StepSink& out) {
  if (pasteLayout != 0) out.step({SeqStep::ActivateLayout, 0, false});
  out.step({SeqStep::RecordModifiers, 0, false});
  out.step({SeqStep::ReleaseModifiers, 0, false});
  if (eraseCount != 0) {
    out.step({SeqStep::Key, 32, false});
    out.step({SeqStep::Key, 32, true});
    for (uint64_t i = 0; i <= eraseCount; ++i) {
      out.step({SeqStep::Key, 8, false});
      out.step({SeqStep::Key, 8, true});
    }
  }
  out.step({SeqStep::Key, 17, false});
  out.step({SeqStep::Key, 86, false});
  out.step({SeqStep::Key, 86, true});
  out.step({SeqStep::Key, 17, true});
  if (pasteLayout != 0) out.step({SeqStep::ActivateLayout, 0, false});
  out.step({SeqStep::Sentinel, kSentinelVk, true});
  out.step({SeqStep::Sentinel, kSentinelVk, true});
}

void recordModifiers(HookShared& s, int16_t lShift, int16_t rShift, int16_t lCtrl, int16_t rCtrl) {
  s.leftShift = lShift < 0;
  s.rightShift = rShift < 0;
  s.leftCtrl = lCtrl < 0;
  s.rightCtrl = rCtrl < 0;
}

void exeNameFromPath(const char* path, char out[128]) {
  out[0] = 0;
  const char* slash = std::strrchr(path, '\\');
  if (slash == nullptr || slash == path) return;
  size_t n = std::strlen(slash + 1);
  if (n >= 128) return;
  for (size_t i = 0; i <= n; ++i) {
    char c = slash[1 + i];
    out[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
}

}  // namespace orv::hook
