// The engine as the program runs it: what the receiver learns of each key
// (hotkeys and the on/off command), the program's
// never-tracked classes, and the settings read from the INI file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/Policies.h"
#include "app/ProgramEngine.h"
#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "support/AppFolder.h"

#include "support/NoLayoutKeyboard.h"

namespace orv {
namespace {

struct CountingHost : KeyboardHost {
  int exits = 0, selections = 0;
  void postThreadCommand(uint32_t, uint32_t command, uint32_t) override { selections += command == hook::kCmdCopy; }
  void postRestoreClipboard(uint32_t) override {}
  void exitProgram() override { ++exits; }
};

using NoLayouts = test::NoLayoutKeyboard;

constexpr uint32_t kCtrlAlt = 2 | 4;

struct ProgramEngineTest : ::testing::Test {
  test::AppFolder dir;  // an empty INI file: every hotkey at its default
  HookShared shared{};
  Clipboard clipboard;
  CountingHost host;
  NoLayouts port;
  KeyboardSettings settings;
  ProgramEngine engine{shared, clipboard, host};
  KeyboardState state{port, settings, engine};
  EngineKeyReceiver receiver{state, engine};
  ProgramEngineTest() { engine.attach(state); }

  KeyOutcome key(uint32_t vk, uint32_t modifiers) {
    KeyEventRecord r{};
    r.vk = vk;
    r.keyFlags = 1u | (0x20u << 16);
    r.modifiers = modifiers;
    r.action = 1;
    r.thread = 7;
    return receiver.onKey(r, false, shared);
  }
};

TEST_F(ProgramEngineTest, OnOffHotkeyIsReportedEachTimeItSwitches) {
  KeyOutcome off = key('D', kCtrlAlt);
  EXPECT_EQ(off.kind, KeyOutcome::Hotkey);
  EXPECT_EQ(off.result, 1);
  EXPECT_EQ(off.command, ProgramCommand::OnOff);
  EXPECT_TRUE(engine.switchedOff());
  KeyOutcome typed = key('D', 0);
  EXPECT_EQ(typed.kind, KeyOutcome::Tracked);
  EXPECT_EQ(typed.command, ProgramCommand::None);
  KeyOutcome on = key('D', kCtrlAlt);
  EXPECT_EQ(on.command, ProgramCommand::OnOff);
  EXPECT_FALSE(engine.switchedOff());
}

TEST_F(ProgramEngineTest, PauseAndExitGoThroughTheTable) {
  KeyOutcome pause = key(0x13, 0);  // nothing typed: the selection is converted
  EXPECT_EQ(pause.kind, KeyOutcome::Hotkey);
  EXPECT_EQ(pause.command, ProgramCommand::None);
  EXPECT_EQ(host.selections, 1);
  KeyOutcome exit = key(0x79, kCtrlAlt);
  EXPECT_EQ(exit.kind, KeyOutcome::Hotkey);
  EXPECT_EQ(host.exits, 1);
}

TEST_F(ProgramEngineTest, ControlsWithoutTextAreNeverTracked) {
  EXPECT_TRUE(engine.isNeverTrackedClass("Button"));
  EXPECT_FALSE(engine.isNeverTrackedClass("Edit"));
}

TEST_F(ProgramEngineTest, AMouseButtonDropsTheTypedTextAndNamesItsApplication) {
  forgetPolicies();
  state.typedKeys.append(0x22);
  MouseEventRecord m{};
  m.message = 513;
  std::snprintf(m.exeName, sizeof m.exeName, "clicked.exe");
  MouseOutcome out = receiver.onMouse(m);
  EXPECT_TRUE(out.reset);
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(state.typedKeys.size(), 0);
  ArrT<Str8> recent = recentPolicyCandidates();
  ASSERT_EQ(recent.size(), 1);
  EXPECT_EQ(view(recent[0]), "clicked.exe");
}

}  // namespace
}  // namespace orv
