// The hook library's decisions: what is passed on, swallowed or reported,
// and which keys the copy and paste sequences type.
#include "hook/HookLogic.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace orv::hook {
namespace {

constexpr uint32_t kRealDown = 0x001E0001;   // scan code 0x1E, down
constexpr uint32_t kRealUp = 0xC01E0001;     // scan code 0x1E, up
constexpr uint32_t kSynthDown = 0x00000001;  // no scan code
constexpr uint32_t kSynthUp = 0xC0000001;

struct Block {
  std::unique_ptr<HookShared> s = std::make_unique<HookShared>();
  Block() { s->receiver = 0x1234; }
};

TEST(HookDecideKey, PassesOnWithoutReceiverWhileUnhookingOrBusyOrForOtherCodes) {
  Block b;
  EXPECT_EQ(decideKey(*b.s, 1, 'A', kRealDown), KeyVerdict::PassOn);
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'A', kRealDown), KeyVerdict::Report);
  EXPECT_EQ(decideKey(*b.s, kHcNoRemove, 'A', kRealDown), KeyVerdict::Report);
  Block busy, unhooking, noReceiver;
  busy.s->busy = 1;
  unhooking.s->unhooking = 1;
  noReceiver.s->receiver = 0;
  for (const Block* x : {&busy, &unhooking, &noReceiver})
    EXPECT_EQ(decideKey(*x->s, kHcAction, 'A', kRealDown), KeyVerdict::PassOn) << "busy " << x->s->busy
        << ", unhooking " << x->s->unhooking << ", receiver " << x->s->receiver;
}

TEST(HookDecideKey, HotkeyUpIsSwallowedOnceAndItsEntryCleared) {
  Block b;
  setSwallowUp(*b.s, 'D');
  // A peek (HC_NOREMOVE) swallows without clearing; the removal clears.
  EXPECT_EQ(decideKey(*b.s, kHcNoRemove, 'D', kRealUp), KeyVerdict::Swallow);
  EXPECT_EQ(b.s->swallowUp['D'], 1);
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'D', kRealUp), KeyVerdict::Swallow);
  EXPECT_EQ(b.s->swallowUp['D'], 0);
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'D', kRealUp), KeyVerdict::Report);
}

TEST(HookDecideKey, DownOfAMarkedKeyClearsTheEntryAndIsReported) {
  Block b;
  setSwallowUp(*b.s, 'X');
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'X', kRealDown), KeyVerdict::Report);
  EXPECT_EQ(b.s->swallowUp['X'], 0);
}

TEST(HookDecideKey, CtrlEntriesCountAndClearTogether) {
  Block b;
  setSwallowUp(*b.s, 162);  // left Ctrl marked after a hotkey
  EXPECT_EQ(decideKey(*b.s, kHcAction, 163, kRealUp), KeyVerdict::Swallow);  // right Ctrl up
  EXPECT_EQ(b.s->swallowUp[17] + b.s->swallowUp[162] + b.s->swallowUp[163], 0);
  setSwallowUp(*b.s, 17);
  EXPECT_TRUE(testSwallowUp(*b.s, 162, false));
  EXPECT_TRUE(testSwallowUp(*b.s, 163, true));
  EXPECT_FALSE(testSwallowUp(*b.s, 17, false));
  EXPECT_FALSE(testSwallowUp(*b.s, 16, false));  // Shift is its own entry
}

TEST(HookDecideKey, DuringASequenceRealKeysAreSwallowedSyntheticPassedSentinelReported) {
  Block b;
  b.s->sequenceActive = 1;
  setSwallowUp(*b.s, 'Q');
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'Q', kRealDown), KeyVerdict::Swallow);
  EXPECT_EQ(decideKey(*b.s, kHcNoRemove, 'Q', kRealUp), KeyVerdict::Swallow);
  EXPECT_EQ(b.s->swallowUp['Q'], 1);  // neither the down nor a peek clears the entry for the real key-up
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'Q', kRealUp), KeyVerdict::Swallow);
  EXPECT_EQ(b.s->swallowUp['Q'], 0);
  EXPECT_EQ(decideKey(*b.s, kHcAction, 'V', kSynthDown), KeyVerdict::PassOn);
  EXPECT_EQ(decideKey(*b.s, kHcAction, kSentinelVk, kSynthUp), KeyVerdict::Report);
}

TEST(HookSentinel, EndsTheSequenceOnce) {
  Block b;
  uint8_t state[256] = {};
  EXPECT_FALSE(finishSequence(*b.s, kSentinelVk, kSynthUp, state));  // no sequence running
  b.s->sequenceActive = 1;
  EXPECT_FALSE(finishSequence(*b.s, 'A', kSynthUp, state));
  EXPECT_FALSE(finishSequence(*b.s, kSentinelVk, kSynthDown, state));
  EXPECT_TRUE(finishSequence(*b.s, kSentinelVk, kSynthUp, state));
  EXPECT_EQ(b.s->sequenceActive, 0u);
  EXPECT_EQ(b.s->key.sequenceDone, 1u);
  // The second sentinel of a paste is reported with the sequence over.
  EXPECT_EQ(decideKey(*b.s, kHcAction, kSentinelVk, kSynthUp), KeyVerdict::Report);
}

TEST(HookSentinel, EveryModifierHeldBeforeTheSequenceIsHeldAgainAfterIt) {
  // Left Shift, right Shift, left Ctrl, right Ctrl held when the sequence
  // started; the keys down in the state afterwards (negative: not 0x80).
  const std::pair<std::array<uint8_t, 4>, std::vector<int>> cases[] = {
      {{1, 0, 0, 0}, {16, 160}}, {{0, 1, 0, 0}, {16, 161}}, {{0, 0, 1, 0}, {17, 162}}, {{0, 0, 0, 1}, {17, 163}},
      {{1, 1, 1, 1}, {16, 17, 160, 161, 162, 163}},
  };
  for (const auto& [modifiers, expected] : cases) {
    Block b;
    uint8_t state[256] = {};
    b.s->sequenceActive = 1;
    std::tie(b.s->leftShift, b.s->rightShift, b.s->leftCtrl, b.s->rightCtrl) =
        std::tie(modifiers[0], modifiers[1], modifiers[2], modifiers[3]);
    ASSERT_TRUE(finishSequence(*b.s, kSentinelVk, kSynthUp, state));
    std::vector<int> held;
    for (int k = 0; k < 256; ++k)
      if (state[k]) held.push_back(state[k] == 0x80 ? k : -k);
    EXPECT_EQ(held, expected);
  }
}

TEST(HookAfterReport, ResultDecidesAndPeekedKeysAreRemovedAndResent) {
  EXPECT_EQ(afterKeyReport(kHcAction, 'A', 0), AfterReport::PassOn);
  EXPECT_EQ(afterKeyReport(kHcAction, 'A', 1), AfterReport::Swallow);
  EXPECT_EQ(afterKeyReport(kHcNoRemove, 'A', 1), AfterReport::RemoveAndResend);
  EXPECT_EQ(afterKeyReport(kHcAction, kSentinelVk, 0), AfterReport::Swallow);
  EXPECT_EQ(afterKeyReport(kHcNoRemove, 'A', 0), AfterReport::PassOn);
}

TEST(HookMouse, ButtonPressesAreReportedButNotMovesOrTheWheel) {
  for (uint32_t m : {161u, 513u, 516u}) EXPECT_TRUE(isReportedMouseMessage(m)) << m;  // non-client and client presses
  for (uint32_t m : {160u, 512u, 522u}) EXPECT_FALSE(isReportedMouseMessage(m)) << m;  // moves and the wheel
}

TEST(HookThreadCommand, OnlyTheCommandRangeOfItsMessage) {
  EXPECT_TRUE(isThreadCommand(23685, 23685));
  EXPECT_TRUE(isThreadCommand(23685, 23692));
  EXPECT_FALSE(isThreadCommand(23685, 23693));
  EXPECT_FALSE(isThreadCommand(23685, 23684));
  EXPECT_FALSE(isThreadCommand(23686, 23688));
}

struct Recorder final : StepSink {
  void step(const SeqStep& s) override {
    switch (s.kind) {
      case SeqStep::RecordModifiers: text += "rec "; break;
      case SeqStep::ReleaseModifiers: text += "rel "; break;
      case SeqStep::ActivateLayout: text += "kl "; break;
      case SeqStep::Sentinel: text += "FF^ "; break;
      case SeqStep::Key: text += std::to_string(s.vk) + (s.up ? "^ " : "v "); break;
    }
  }
  std::string text;
};

// A paste erases with a space and one Backspace more, switches the layout
// around Ctrl+V when asked; a copy types Ctrl+C.
TEST(HookSequences, PasteAndCopyTypeTheirKeys) {
  const struct {
    int kind;  // 0 paste, 1 copy
    uint32_t layout;
    uint32_t erase;
    const char* keys;
  } cases[] = {
      {0, 0, 3, "rec rel 32v 32^ 8v 8^ 8v 8^ 8v 8^ 8v 8^ 17v 86v 86^ 17^ FF^ FF^ "},
      {0, 0, 0, "rec rel 17v 86v 86^ 17^ FF^ FF^ "},
      {0, 0x04190419, 0, "kl rec rel 17v 86v 86^ 17^ kl FF^ FF^ "},
      {1, 0, 0, "rec rel 17v 67v 67^ 17^ FF^ "},
  };
  for (const auto& c : cases) {
    Recorder r;
    if (c.kind == 0) pasteSequence(c.layout, c.erase, r);
    else copySequence(r);
    EXPECT_EQ(r.text, c.keys);
  }
}

TEST(HookContext, HeldModifiersAreRecordedAndTheExeNameIsLowerCasedOrRefused) {
  Block b;
  recordModifiers(*b.s, -128, 0, 1, -127);
  EXPECT_EQ(b.s->leftShift, 1);
  EXPECT_EQ(b.s->rightShift, 0);
  EXPECT_EQ(b.s->leftCtrl, 0);  // toggled only, not held
  EXPECT_EQ(b.s->rightCtrl, 1);
  const std::pair<std::string, std::string> names[] = {
      {"C:\\Program Files\\App\\NotePad.EXE", "notepad.exe"},
      {"\\x.exe", ""},  // the separator is the first character
      {"plain.exe", ""},
      {"C:\\" + std::string(128, 'a'), ""},
      {"C:\\" + std::string(127, 'B'), std::string(127, 'b')},
  };
  for (const auto& [path, expected] : names) {
    char name[128];
    exeNameFromPath(path.c_str(), name);
    EXPECT_EQ(std::string(name), expected) << path;
  }
}

}  // namespace
}  // namespace orv::hook
