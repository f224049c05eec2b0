#pragma once
// The hook library's decisions, free of Win32 calls so that the real library
// (hook/win32/) and the simulated one run the same rules: which keys are
// passed on, swallowed or reported to the receiver, what a report's result
// means, which mouse messages count, and which keys the copy and paste
// sequences type. The callers add only the system calls.
//
// Nothing here allocates: the procedures run inside every application's
// input path.

#include <cstdint>

#include "hook/SharedBlock.h"

namespace orv::hook {

// Hook codes and message numbers of the protocol (fixed values).
constexpr int kHcAction = 0;
constexpr int kHcNoRemove = 3;
constexpr uint8_t kSentinelVk = 0xFF;
constexpr uint32_t kMsgReset = 1123;
constexpr uint32_t kMsgKey = 1124;
constexpr uint32_t kMsgMouse = 1125;
constexpr uint32_t kMsgEcho = 1126;
constexpr uint32_t kMsgLayoutActivated = 1127;
constexpr uint32_t kThreadCommand = 23685;
constexpr uint32_t kCmdActivateLayout = 23685;
constexpr uint32_t kCmdRecordModifiers = 23686;
constexpr uint32_t kCmdEcho = 23687;
constexpr uint32_t kCmdPaste = 23688;
constexpr uint32_t kCmdCopy = 23689;
constexpr uint32_t kCmdCapsOff = 23690;
constexpr uint32_t kCmdNumOff = 23691;
constexpr uint32_t kCmdScrollOff = 23692;
constexpr uint32_t kSendTimeoutMs = 4000;
constexpr uint32_t kReceiverTimerId = 9753;
constexpr uint32_t kReceiverTimerMs = 1234;

// The unused word at offset 1184 carries "the focus is a password field" to
// the receiver: 1 there, 0 otherwise, written before every key report.
inline uint32_t& passwordFlag(HookShared& s) { return s.unused1184; }
inline uint32_t passwordFlag(const HookShared& s) { return s.unused1184; }

// Bits of the hook's lParam.
inline bool isKeyUp(uint32_t flags) { return (flags & 0x80000000u) != 0; }
inline bool isRealKey(uint32_t flags) { return ((flags >> 16) & 0xFFu) != 0; }

// swallowUp entries: Ctrl (17, 162, 163) counts as one entry.
bool testSwallowUp(HookShared& s, uint8_t vk, bool clear);
void setSwallowUp(HookShared& s, uint8_t vk);

enum class KeyVerdict { PassOn, Swallow, Report };

// Steps 1 to 5 of the keyboard hook: what to do with a key before any
// report. May clear swallowUp entries as the rules say.
KeyVerdict decideKey(HookShared& s, int nCode, uint32_t wParam, uint32_t lParam);

// Step 6 for the sentinel: when this key ends a running sequence, clears
// sequenceActive, sets sequenceDone in the key record, marks the modifiers
// that were held when the sequence started as down again in keyState, and
// returns true (the caller writes keyState back to the thread).
bool finishSequence(HookShared& s, uint32_t wParam, uint32_t lParam, uint8_t keyState[256]);

enum class AfterReport {
  PassOn,           // the receiver did not want the key
  Swallow,          // swallow it
  RemoveAndResend,  // HC_NOREMOVE: remove the peeked message, report again with action 1, swallow
};
AfterReport afterKeyReport(int nCode, uint32_t wParam, intptr_t result);

// Mouse messages reported to the receiver: non-client and client button
// downs, ups and double-clicks; never moves or the wheel.
bool isReportedMouseMessage(uint32_t msg);

// Whether the get-message hook carries out this posted message.
inline bool isThreadCommand(uint32_t msg, uint64_t wParam) {
  return msg == kThreadCommand && wParam >= kCmdActivateLayout && wParam <= kCmdScrollOff;
}

// One step of a synthetic sequence.
struct SeqStep {
  enum Kind : uint8_t { RecordModifiers, ReleaseModifiers, ActivateLayout, Key, Sentinel } kind;
  uint8_t vk;   // Key: the virtual key
  bool up;      // Key: key-up
};

// Receives the steps of a sequence in order.
class StepSink {
 public:
  virtual void step(const SeqStep& s) = 0;

 protected:
  ~StepSink() = default;
};

// The copy sequence (command 23689) and the paste sequence (23688).
void copySequence(StepSink& out);
void pasteSequence(uint32_t pasteLayout, uint32_t eraseCount, StepSink& out);

// The modifiers released before a sequence: Ctrl, Shift, Alt.
constexpr uint8_t kReleasedModifiers[3] = {17, 16, 18};

// Records which of Left/Right Shift/Ctrl are held (states as GetKeyState
// gives them: negative = down) into the shared block.
void recordModifiers(HookShared& s, int16_t lShift, int16_t rShift, int16_t lCtrl, int16_t rCtrl);

// exeName from the executable's full path: the part after the last '\',
// lower-cased (A-Z only); empty when there is no '\' after the first
// character or the rest does not fit in 127 characters.
void exeNameFromPath(const char* path, char out[128]);

}  // namespace orv::hook
