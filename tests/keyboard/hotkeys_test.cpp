// The hotkey table, its loading from the "hotkey" lines, matching and the
// display texts.
#include <gtest/gtest.h>

#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "keyboard/KeyboardReceiver.h"

#include "support/NoLayoutKeyboard.h"

namespace orv {
namespace {

struct RecordingHost : KeyboardHost {
  std::vector<uint32_t> posted;
  int translits = 0, exits = 0;  // "translit" starts with the application's copy
  void postThreadCommand(uint32_t, uint32_t command, uint32_t) override {
    posted.push_back(command);
    if (command == hook::kCmdCopy) ++translits;
  }
  void postRestoreClipboard(uint32_t) override {}
  void exitProgram() override { ++exits; }
};

struct Hotkeys : ::testing::Test {
  HookShared shared{};
  Clipboard clipboard;
  RecordingHost host;
  test::NoLayoutKeyboard port;
  KeyboardSettings settings;
  KeyboardEngine engine{shared, clipboard, host};
  KeyboardState state{port, settings, engine};
  Hotkeys() { engine.attach(state); }

  KeyEventRecord keyDown(uint32_t vk, uint32_t modifiers, uint32_t scan = 0x14) {
    KeyEventRecord r{};
    r.vk = vk;
    r.keyFlags = 1u | (scan << 16);
    r.modifiers = modifiers;
    r.action = 1;
    r.thread = 7;
    return r;
  }
};

TEST_F(Hotkeys, OnlyKnownNamesTakeCodesAndLettersGiveZero) {
  ArrT<Str8> names, values;
  for (const char* n : {"translit", "!!exit", "unknown", "!!SWITCH"}) names.append(str8(n));
  for (const char* v : {"0", "abc", "77", "300"}) values.append(str8(v));
  engine.loadHotkeys(names, values);
  EXPECT_EQ(engine.hotkeyCode("translit", -1), 0);
  EXPECT_EQ(engine.hotkeyCode("!!exit", -1), 0);
  EXPECT_EQ(engine.hotkeyCode("!!switch", -1), 0);  // case-sensitive: untouched
  EXPECT_EQ(engine.hotkeyCode("!!switch_back", -1), 0x13);
  EXPECT_EQ(engine.hotkeyCode("unknown", -1), -1);  // unknown names have no code and cannot be set
  EXPECT_FALSE(engine.setHotkeyCode("unknown", 5));
}

TEST_F(Hotkeys, MatchSwallowsTheKeyUpsAndTheFirstOfTwoEqualCodesWins) {
  engine.setHotkeyCode("!!exit", 0x254);  // the same code as translit, later in the table
  EXPECT_TRUE(engine.matchHotkey(keyDown('T', 2)));
  EXPECT_EQ(host.translits, 1);
  EXPECT_EQ(host.exits, 0);
  EXPECT_EQ(shared.swallowUp['T'], 1);
  EXPECT_EQ(shared.swallowUp[17], 1);
  EXPECT_EQ(shared.swallowUp[16], 0);
  KeyEventRecord up = keyDown('T', 2);
  up.keyFlags |= 0xC0000000u;
  EXPECT_FALSE(engine.matchHotkey(up));
  KeyEventRecord peek = keyDown('T', 2);
  peek.action = 0;
  EXPECT_FALSE(engine.matchHotkey(peek));
  EXPECT_FALSE(engine.matchHotkey(keyDown('T', 0)));
}

// Caps Lock's turn-off is switch_test's: the simulated keyboard toggles no
// other lock key.
TEST_F(Hotkeys, NumAndScrollLockHotkeysHaveTheirKeyTurnedBackOff) {
  for (auto [vk, command] : {std::pair<uint32_t, uint32_t>{144, hook::kCmdNumOff}, {145, hook::kCmdScrollOff}}) {
    engine.setHotkeyCode("translit", vk);
    EXPECT_TRUE(engine.matchHotkey(keyDown(vk, 0, 0x45)));
    EXPECT_EQ(host.posted.back(), command) << vk;
  }
}

TEST_F(Hotkeys, SwitchedOffOnlyOnOffAndExitAct) {
  engine.runCommand(str8("!!!onoff"));
  EXPECT_TRUE(engine.switchedOff());
  engine.runCommand(str8("translit"));
  EXPECT_EQ(host.translits, 0);
  engine.runCommand(str8("!!exit"));
  EXPECT_EQ(host.exits, 1);
  engine.runCommand(str8("!!!onoff"));
  engine.runCommand(str8("translit"));
  EXPECT_EQ(host.translits, 1);
}

TEST_F(Hotkeys, ReceiverDropsPasswordKeysButStillMatchesHotkeys) {
  KeyboardReceiver receiver(state, engine);
  state.typedKeys.append(0x00610011u);
  KeyOutcome typed = receiver.onKey(keyDown('A', 0, 0x1E), true, shared);
  EXPECT_EQ(typed.kind, KeyOutcome::Password);
  EXPECT_EQ(typed.result, 0);
  EXPECT_EQ(state.typedKeys.size(), 0);
  KeyOutcome hot = receiver.onKey(keyDown('T', 2), true, shared);
  EXPECT_EQ(hot.kind, KeyOutcome::Hotkey);
  EXPECT_EQ(hot.result, 1);
  EXPECT_EQ(host.translits, 1);
}

TEST(HotkeyText, NamesPrefixesAndUnnamedKeys) {
  EXPECT_EQ(hotkeyText(0x679), str16(u"Ctrl + Alt + VK_F10"));
  EXPECT_EQ(hotkeyText(0x113), str16(u"Shift + Pause"));
  EXPECT_EQ(hotkeyText(0x409), Str16());  // Alt + Tab
  EXPECT_EQ(hotkeyText(0), Str16());
  EXPECT_EQ(hotkeyText(0x167), str16(u"Shift + NumPad7"));
  EXPECT_EQ(hotkeyText(109), str16(u"Substract"));  // no modifier: the key's name alone
}

// An event without a key code (vk 0) must not run the hotkeys that have no
// key: "!!switch" is unbound by default, and a code of modifiers only is no
// hotkey either.
TEST_F(Hotkeys, AHotkeyWithoutAKeyNeverMatches) {
  engine.setHotkeyCode("translit", 0x200);  // Ctrl and no key
  for (uint32_t modifiers : {0u, 2u}) {
    EXPECT_FALSE(engine.matchHotkey(keyDown(0, modifiers))) << modifiers;
    EXPECT_EQ(shared.swallowUp[0], 0);
  }
  EXPECT_TRUE(host.posted.empty());
}

}  // namespace
}  // namespace orv
