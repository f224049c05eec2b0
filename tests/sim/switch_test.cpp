// The road of a mistyped word in the simulated desktop: analysis, switch,
// paste sequence, echo chain, the clipboard's loan and restore, undo and redo.
#include <algorithm>

#include "platform/SimLayouts.h"
#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct Switching : ::testing::Test {
  SimSettings settings;
  WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void SetUp() override { words.add(1251, {"привет"}); }
  // The user's clipboard holds "keep" before anything is typed.
  void start() {
    d = desktopWith({kUs, kRu}, settings, words);
    d->clipboardPort.putText(u"keep", 4);
  }
  void type(const std::string& script, bool settle = true) { typeInto(*d, script, settle); }
};

TEST_F(Switching, ASixLetterWordIsErasedAndPastedAndTheClipboardRestoredLater) {
  start();
  type("ghbdtn ", false);
  d->pump();
  EXPECT_EQ(d->shared.eraseCount, 7u);  // six letters and the space; the keys typed for it are the hook's
  EXPECT_EQ(d->appTextUtf8(), "привет ");
  EXPECT_EQ(clipboardUtf8(*d), "привет ");  // still pasted text
  d->advance(332);
  EXPECT_EQ(d->clipboardRestores, 0);
  d->advance(1);
  EXPECT_EQ(d->clipboardRestores, 1);
  EXPECT_EQ(clipboardUtf8(*d), "keep");
}

// How the analysis reads the end of the text, with punctuation every layout
// types alike.
TEST_F(Switching, AWordEndsOnlyWhenItsTrailingTextEndsWithItsFirstSpace) {
  words.add(1252, {"hello"});
  words.add(1251, {"а"});
  start();
  struct Case {
    const char* typed;
    unsigned terminated, allOdd;
  } cases[] = {
      {"hello", 0, 0},    {"hello ", 1, 0},  {"hello!", 0, 0},  // "word." is an ordinary ending
      {"hello! ", 1, 0},  {"hello !", 0, 1},                    // "word ." is neither ended nor usual
      {"hello!?", 0, 0},  {"hello1", 0, 1},                     // a digit is odd in every layout
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    type(std::string("{Enter}") + c.typed);
    EXPECT_EQ(d->engine.wide().wordTerminated, c.terminated);
    EXPECT_EQ(d->engine.wide().allOdd, c.allOdd);
  }
  type("{Enter}hello. ");
  EXPECT_EQ(std::string(view(d->engine.analizer(d->state.buffer(kUs))->shape)), "ps");
  type("{Enter}f ");  // "а" in the Russian layout: a one-letter word is never looked up
  EXPECT_EQ(d->engine.analizer(d->state.buffer(kRu))->status, 0);
}

// A retype borrows the clipboard: an image comes back byte for byte.
TEST_F(Switching, AnAutoSwitchLeavesAnImageOnTheClipboard) {
  start();
  putImage(*d);
  const auto image = d->clipboardPort.formats();
  type("ghbdtn ");
  EXPECT_EQ(d->clipboardRestores, 1);
  EXPECT_EQ(d->clipboardPort.formats(), image);
}

// Whatever the user copies while the loan runs is theirs: the restore, when
// it comes due, leaves it there instead of putting the older content back.
TEST_F(Switching, ACopyMadeDuringTheLoanIsNotOverwrittenByTheRestore) {
  for (bool overdue : {false, true}) {
    SCOPED_TRACE(overdue ? "deadline" : "restore");
    start();
    d->echoesLost = overdue;  // then only the loan's deadline ends it
    type("ghbdtn ", false);
    d->pump();
    EXPECT_EQ(d->appTextUtf8(), "привет ");
    putImage(*d);
    const auto copied = d->clipboardPort.formats();
    d->advance(KeyboardEngine::kLoanDeadlineMs + 333);
    EXPECT_EQ(d->clipboardPort.formats(), copied);
    EXPECT_FALSE(d->engine.clipboardBorrowed());
  }
}

TEST_F(Switching, UndoWithinTheRestoreDelayStillGivesTheUsersClipboardBack) {
  start();
  type("ghbdtn {Pause}", false);  // Pause 0 ms after the switch
  EXPECT_EQ(d->appTextUtf8(), "ghbdtn ");
  d->advance(333);
  EXPECT_EQ(clipboardUtf8(*d), "keep");
  EXPECT_EQ(d->clipboardRestores, 1);
}

TEST_F(Switching, RealKeysTypedDuringTheSequenceAreSwallowed) {
  start();
  type("ghbdtn", false);
  d->userKey(32, 0x39, false, false, false);
  d->userKey(32, 0x39, true, false, false);
  d->step();  // the Space's key-down
  d->step();  // its key-up posts the paste
  d->step();  // the paste command queues the synthetic keys
  d->userKeyNow(0x41, 0x1E, false);  // the user types 'a' while the sequence runs
  d->userKeyNow(0x41, 0x1E, true);
  d->pump();
  EXPECT_EQ(d->appTextUtf8(), "привет ");
  EXPECT_EQ(d->shared.swallowUp[0x41], 0);
}

TEST_F(Switching, PauseUndoesAndRedoesThenConvertsTheLastWordAfterAnotherLetter) {
  start();
  type("abc ghbdtn ");  // undo and redo erase exactly what the switch typed
  type("{Pause}");
  EXPECT_EQ(d->appTextUtf8(), "abc ghbdtn ");
  EXPECT_EQ(d->activeLayout(), kUs);
  type("{Pause}");
  EXPECT_EQ(d->appTextUtf8(), "abc привет ");
  EXPECT_EQ(d->activeLayout(), kRu);
  type("ф{Pause}");
  EXPECT_EQ(d->appTextUtf8(), "abc привет a");
  EXPECT_EQ(d->activeLayout(), kUs);
  EXPECT_EQ(clipboardUtf8(*d), "keep");
}

TEST_F(Switching, KnownWordWithOneTrailingCharacterGoesToTheLastTypedWords) {
  words.add(1252, {"hello"});
  start();
  type("hello ");
  EXPECT_EQ(d->lastTyped, std::vector<std::string>{"hello"});
  EXPECT_EQ(d->sounds.back(), kSndWordFound);
}

// What runs while switched off is hotkeys_test's; here, that the keys of a
// hotkey still never reach the application.
TEST_F(Switching, HotkeysAreSwallowedEvenWhenSwitchedOff) {
  start();
  type("{Ctrl+Alt+D}");  // were it not off, Ctrl+T would copy for a transliteration
  size_t before = d->appKeys().size();
  type("{Ctrl+T}");
  for (size_t k = before; k < d->appKeys().size(); ++k) {
    EXPECT_EQ(d->appKeys()[k].find(" 54"), std::string::npos);
    EXPECT_NE(d->appKeys()[k], "down 43");  // no copy for a transliteration
  }
}

TEST_F(Switching, CapsLockHotkeyIsTurnedBackOff) {
  start();
  d->engine.setHotkeyCode("!!switch", 20);
  d->userKey(20, 0x3A, false);
  d->userKey(20, 0x3A, true);
  EXPECT_EQ(d->keyboard.keyState()[20] & 1, 0);
  EXPECT_EQ(d->activeLayout(), kRu);  // the command ran once: the synthetic turn-off press runs nothing
}

// Random typing with hotkeys, Backspaces, word breaks and layout changes:
// every sequence ends, the user's clipboard always comes back, and the
// application's text always ends as the typed keys read in some layout.
TEST_F(Switching, RandomTypingAlwaysEndsSequencesAndGivesTheClipboardBack) {
  words.add(1251, {"мир", "в", "город", "дом"});
  words.add(1252, {"hello", "world", "in", "town"});
  settings.spaceOnly = 0;
  start();
  const uint32_t keys[][2] = {{0x47, 0x22}, {0x48, 0x23}, {0x42, 0x30}, {0x44, 0x20}, {0x54, 0x14}, {0x4E, 0x31},
                              {32, 0x39},   {32, 0x39},   {8, 0x0E},    {0xBA, 0x27}, {0x31, 0x02}, {19, 0x45},
                              {13, 0x1C},   {0xDE, 0x28}, {0x55, 0x16}, {0x4A, 0x24}, {0x4C, 0x26}};
  // What each character of the text may be: its key read in either layout.
  std::u16string inUs, inRu;
  auto readAs = [](Hkl layout, uint32_t vk, uint32_t scan) -> char16_t {
    if (vk == 13) return u'\n';
    return simKeyChar(*simKeyByScan(*findSimLayout(layout), scan), 0);
  };
  uint32_t seed = 12345;
  auto next = [&]() { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int i = 0; i < 3000; ++i) {
    const uint32_t* k = keys[next() % (sizeof keys / sizeof keys[0])];
    bool ext = false;
    if (next() % 50 == 0) {
      d->userSwitchLayout(d->activeLayout() == kUs ? kRu : kUs);
      continue;
    }
    if (k[0] == 8 && !inUs.empty()) {
      inUs.pop_back();
      inRu.pop_back();
    } else if (k[0] != 8 && k[0] != 19) {
      inUs += readAs(kUs, k[0], k[1]);
      inRu += readAs(kRu, k[0], k[1]);
    }
    d->userKey(k[0], k[1], false, ext);
    d->userKey(k[0], k[1], true, ext);
    if (next() % 3 == 0) d->idle();
    ASSERT_EQ(d->shared.sequenceActive, 0u) << "step " << i;
  }
  d->idle();
  std::u16string shown(view(d->appText()));
  ASSERT_EQ(shown.size(), inUs.size());
  for (size_t k = 0; k < shown.size(); ++k)
    ASSERT_TRUE(shown[k] == inUs[k] || shown[k] == inRu[k]) << "character " << k << " of " << d->appTextUtf8();
  EXPECT_EQ(clipboardUtf8(*d), "keep");
  EXPECT_FALSE(d->engine.clipboardBorrowed());
  EXPECT_GT(std::count(d->sounds.begin(), d->sounds.end(), kSndSwitch), 0);
}

// A retype whose echo chain breaks (the application stops taking posted
// messages after the paste) must not keep the clipboard borrowed: a few
// seconds after the paste the user's clipboard is back, and whatever the
// user copies in between is what the next retype saves and gives back.
TEST_F(Switching, ABrokenEchoChainDoesNotKeepTheClipboardBorrowed) {
  struct Case {
    const char* what;
    uint32_t waitMs;      // after the broken retype
    const char* copied;   // what the user copies then (null: nothing)
    uint32_t thenWaitMs;  // before the next retype
    const char* afterWait;
  };
  const Case cases[] = {
      {"copy soon, retype", 1000, "NEW", 0, "NEW"},
      {"copy soon, wait past the deadline", 1000, "NEW", 6000, "NEW"},
      {"copy late, retype", 6000, "NEW", 0, "NEW"},
      {"no copy, wait past the deadline", 6000, nullptr, 0, "keep"},
      {"no copy, retype soon", 1000, nullptr, 0, "привет "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    start();
    d->echoesLost = true;
    type("ghbdtn ");
    d->advance(c.waitMs);
    if (c.copied) {
      Str16 t = utf8ToUtf16(c.copied);
      d->clipboardPort.putText(t.data(), t.size());
    }
    d->advance(c.thenWaitMs);
    EXPECT_EQ(clipboardUtf8(*d), c.afterWait);
    d->echoesLost = false;
    type("{Enter}{Layout:us}ghbdtn ");
    EXPECT_EQ(d->appTextUtf8(), "привет \nпривет ");
    EXPECT_EQ(clipboardUtf8(*d), c.copied ? c.copied : "keep");
    EXPECT_FALSE(d->engine.clipboardBorrowed());
  }
}

// The lone Ctrl switch follows the setting: 1 the left Ctrl, 2 the right one;
// a Ctrl chord (Ctrl+C) is no lone Ctrl.
TEST_F(Switching, TheLoneCtrlSwitchTakesTheCtrlKeyOfTheSetting) {
  const struct {
    int setting;
    bool rightCtrl;
    bool switches;
  } cases[] = {{1, false, true}, {1, true, false}, {2, true, true}, {2, false, false}, {0, false, false}};
  for (const auto& c : cases) {
    settings.ctrl = c.setting;
    start();
    d->userKey(17, 0x1D, false, c.rightCtrl);
    d->userKey(17, 0x1D, true, c.rightCtrl);
    EXPECT_EQ(d->activeLayout() == kRu, c.switches) << c.setting << " " << c.rightCtrl;
  }
  settings.ctrl = 1;
  start();
  type("{Ctrl+C}");
  EXPECT_EQ(d->activeLayout(), kUs);
}

}  // namespace
}  // namespace orv
