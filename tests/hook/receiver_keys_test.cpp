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

TEST_F(FrameKeys, CtrlAltDSwallowsItsDownAndMarksItsUp) {
  KeyOutcome o = receiver.onKey(key('D', 6), false, *shared);
  EXPECT_EQ(o.result, 1);
  EXPECT_EQ(o.command, ProgramCommand::OnOff);
  EXPECT_EQ(shared->swallowUp['D'], 1);  // the library then swallows the up by itself
}

TEST_F(FrameKeys, CtrlAltF10ExitsAndRepeatsDoNotRepeatTheCommand) {
  EXPECT_EQ(receiver.onKey(key(0x79, 6), false, *shared).command, ProgramCommand::Exit);
  KeyOutcome rep = receiver.onKey(key(0x79, 6, false, true), false, *shared);
  EXPECT_EQ(rep.result, 1);
  EXPECT_EQ(rep.command, ProgramCommand::None);
}

TEST_F(FrameKeys, OtherChordsAndUpsAndPeeksAreNotHotkeys) {
  for (auto k : {key('D', 2), key('D', 4), key('D', 7), key('E', 6), key('D', 6, true)}) {
    KeyOutcome o = receiver.onKey(k, false, *shared);
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.command, ProgramCommand::None);
  }
  KeyEventRecord peek = key('D', 6);
  peek.action = 0;
  EXPECT_EQ(receiver.onKey(peek, false, *shared).result, 0);
  EXPECT_EQ(shared->swallowUp['D'], 0);
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
