// The frame's key handling: the on/off and exit hotkeys, password fields and
// the sentinel of a synthetic sequence.
#include "hook/ReceiverKeys.h"

#include <gtest/gtest.h>

#include <memory>


namespace orv {
namespace {

KeyEventRecord key(uint32_t vk, uint32_t modifiers, bool up = false, bool repeat = false) {
  KeyEventRecord k{};
  k.vk = vk;
  k.modifiers = modifiers;
  k.action = 1;
  k.keyFlags = 0x00200001u | (up ? 0xC0000000u : 0) | (repeat ? 0x40000000u : 0);
  return k;
}

struct FrameKeys : ::testing::Test {
  std::unique_ptr<HookShared> shared = std::make_unique<HookShared>();
  FrameKeyReceiver receiver;
};

// Each swallowed down marks its key-up: the library then swallows the up by
// itself.
TEST_F(FrameKeys, OnlyTheDownsOfCtrlAltDAndCtrlAltF10AreSwallowedCommands) {
  KeyEventRecord peek = key('D', 6);
  peek.action = 0;
  const struct {
    KeyEventRecord k;
    intptr_t result;
    ProgramCommand command;
  } cases[] = {
      {key('D', 6), 1, ProgramCommand::OnOff}, {key(0x79, 6), 1, ProgramCommand::Exit},
      {key(0x79, 6, false, true), 1, ProgramCommand::None},  // a repeat: no second command
      {key('D', 2), 0, ProgramCommand::None},  {key('D', 4), 0, ProgramCommand::None},
      {key('D', 7), 0, ProgramCommand::None},  {key('E', 6), 0, ProgramCommand::None},
      {key('D', 6, true), 0, ProgramCommand::None}, {peek, 0, ProgramCommand::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
    auto fresh = std::make_unique<HookShared>();
    KeyOutcome o = receiver.onKey(c.k, false, *fresh);
    EXPECT_EQ(o.result, c.result);
    EXPECT_EQ(o.command, c.command);
    EXPECT_EQ(fresh->swallowUp[c.k.vk], c.result);
  }
}

TEST_F(FrameKeys, PasswordKeysAreDroppedButHotkeysStillWork) {
  KeyOutcome o = receiver.onKey(key('S', 0), true, *shared);
  EXPECT_EQ(o.kind, KeyOutcome::Password);
  EXPECT_EQ(o.result, 0);
  EXPECT_EQ(receiver.onKey(key(0x79, 6), true, *shared).command, ProgramCommand::Exit);
}

TEST_F(FrameKeys, SentinelReportIsRecognised) {
  KeyEventRecord k = key(0xFF, 0, true);
  k.sequenceDone = 1;
  EXPECT_EQ(receiver.onKey(k, false, *shared).kind, KeyOutcome::Sentinel);
}

}  // namespace
}  // namespace orv
