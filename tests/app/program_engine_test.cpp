// The engine as the program runs it: what the receiver learns of each key,
// the program's never-tracked classes, the candidates a click names and the
// settings read from the INI file.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/DictionaryConfig.h"
#include "app/KeyboardConfig.h"
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

constexpr uint32_t kCtrlAlt = 2 | 4;

struct ProgramEngineTest : ::testing::Test {
  test::AppFolder dir;  // an empty INI file: every hotkey at its default
  HookShared shared{};
  Clipboard clipboard;
  CountingHost host;
  test::NoLayoutKeyboard port;
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

TEST_F(ProgramEngineTest, HotkeysAreReportedAndOnlyASwitchOffOrOnNamesTheOnOffCommand) {
  KeyOutcome off = key('D', kCtrlAlt);
  EXPECT_EQ(off.kind, KeyOutcome::Hotkey);
  EXPECT_EQ(off.command, ProgramCommand::OnOff);
  KeyOutcome typed = key('D', 0);
  EXPECT_EQ(typed.kind, KeyOutcome::Tracked);
  EXPECT_EQ(typed.command, ProgramCommand::None);
  EXPECT_EQ(key('D', kCtrlAlt).command, ProgramCommand::OnOff);  // on again
  EXPECT_EQ(key(0x13, 0).command, ProgramCommand::None);          // Pause, nothing typed: converts the selection
  EXPECT_EQ(host.selections, 1);
  key(0x79, kCtrlAlt);
  EXPECT_EQ(host.exits, 1);
}

TEST_F(ProgramEngineTest, ControlsWithoutTextAreNeverTracked) {
  EXPECT_TRUE(engine.isNeverTrackedClass("Button"));
  EXPECT_FALSE(engine.isNeverTrackedClass("Edit"));
}

// Dropping the text at a click is the keyboard tests'; here, the click's application.
TEST_F(ProgramEngineTest, AMouseButtonNamesItsApplicationAsAPolicyCandidate) {
  forgetPolicies();
  MouseEventRecord m{};
  m.message = 513;
  std::snprintf(m.exeName, sizeof m.exeName, "clicked.exe");
  receiver.onMouse(m);
  ArrT<Str8> recent = recentPolicyCandidates();
  ASSERT_EQ(recent.size(), 1);
  EXPECT_EQ(view(recent[0]), "clicked.exe");
}

// Which lines set which hotkey codes is hotkeys_test's; here, that the section is read.
TEST_F(ProgramEngineTest, KeyboardDictionaryAndHotkeySettingsComeFromTheIniFileHeldToTheirRanges) {
  test::writeBytes(dir.ini(),
                   "[common]\r\nautosw_prepos=0\r\nswitch_layout_ctrl=2\r\nwork_start_symbol_cnt=9\r\n"
                   "autosw_space_only=0\r\n[hkl]\r\norder=04190419 04090409\r\n[dic]\r\norder=ru en\r\nskip=ua\r\n"
                   "[hotkey]\r\n!!switch=1043\r\n");
  CfgKeyboardSettings s;
  EXPECT_EQ(s.autoswPrepos(), 0);
  EXPECT_EQ(s.switchLayoutCtrl(), 2);
  EXPECT_EQ(s.workStartSymbolCount(), 4);
  EXPECT_EQ(s.autoswSpaceOnly(), 0);
  EXPECT_EQ(s.hklOrder(), "04190419 04090409");
  CfgDictionarySettings dic;
  EXPECT_EQ(dic.dicOrder(), str16(u"ru en"));
  EXPECT_EQ(dic.dicSkip(), str16(u"ua"));
  engine.loadHotkeys();
  EXPECT_EQ(engine.hotkeyCode("!!switch", -1), 1043);
}

}  // namespace
}  // namespace orv
