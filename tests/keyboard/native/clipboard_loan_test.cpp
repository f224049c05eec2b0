// The retype's loan of the user's clipboard: saved once, given back by the
// latest retype's restore only, and given back at once when the retyped text
// cannot be put on the clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "keyboard/KeyboardReceiver.h"
#include "platform/Text.h"
#include "platform/sim/SimClipboard.h"
#include "support/NoLayoutKeyboard.h"

namespace orv {
namespace {

constexpr Hkl kRu = 0x04190419;

// A clipboard that refuses the next `failSets` texts put on it.
struct RefusingClipboard : sim::SimClipboard {
  int failSets = 0;
  bool setData(unsigned format, const void* bytes, int32_t size) override {
    if (failSets > 0) {
      --failSets;
      return false;
    }
    return SimClipboard::setData(format, bytes, size);
  }
};

struct LoanHost : KeyboardHost {
  std::vector<uint32_t> posted, restores;
  void postThreadCommand(uint32_t, uint32_t command, uint32_t) override { posted.push_back(command); }
  void postRestoreClipboard(uint32_t loan) override { restores.push_back(loan); }
};

struct ClipboardLoan : ::testing::Test {
  RefusingClipboard port;
  Clipboard clipboard{port};
  LoanHost host;
  test::NoLayoutKeyboard keyboard;
  KeyboardSettings settings;
  HookShared shared{};
  KeyboardEngine engine{shared, clipboard, host};
  KeyboardState state{keyboard, settings, engine};

  ClipboardLoan() {
    engine.attach(state);
    port.putText(u"mine", 4);
  }
  // Retypes a word as the Russian layout gives it and runs its echo chain
  // up to the restore request; returns that request's loan.
  uint32_t retype(const char16_t* word) {
    Analizer target(kRu, nullptr, nullptr);
    target.word = toNarrow(str16(word), target.codePage);
    target.wordKeys = target.word.size();
    engine.runSwitchKL(target);
    for (uint32_t echo : {1u, 2u, 3u}) engine.onEcho(echo);
    return host.restores.empty() ? 0 : host.restores.back();
  }
  std::u16string shown() {
    Str16 t;
    clipboard.readClipboardText(t);
    return std::u16string(view(t));
  }
};

TEST_F(ClipboardLoan, TheUsersClipboardIsBackAtOnceWhenTheWordCannotBePut) {
  port.failSets = 1;
  retype(u"мир");
  EXPECT_EQ(shown(), u"mine");
  EXPECT_FALSE(engine.clipboardBorrowed());
  EXPECT_EQ(std::count(host.posted.begin(), host.posted.end(), hook::kCmdPaste), 0);
}

TEST_F(ClipboardLoan, OnlyTheLatestRetypesRestoreGivesTheClipboardBack) {
  uint32_t first = retype(u"мир");
  uint32_t second = retype(u"дом");
  EXPECT_EQ(shown(), u"дом");
  engine.restoreClipboard(first);  // due while the second paste may still be running
  EXPECT_EQ(shown(), u"дом");
  EXPECT_TRUE(engine.clipboardBorrowed());
  engine.restoreClipboard(second);
  EXPECT_EQ(shown(), u"mine");
  EXPECT_FALSE(engine.clipboardBorrowed());
}

// No restore ever comes for a paste whose echoes are lost: the receiver's
// timer tick gives the clipboard back once the loan is overdue.
TEST_F(ClipboardLoan, AnOverdueLoanEndsAtTheReceiversTimerTick) {
  KeyboardReceiver receiver(state, engine);
  retype(u"мир");
  port.advance(KeyboardEngine::kLoanDeadlineMs - 1);
  receiver.syncLayouts();
  EXPECT_EQ(shown(), u"мир");
  port.advance(1);
  receiver.syncLayouts();
  EXPECT_EQ(shown(), u"mine");
  EXPECT_FALSE(engine.clipboardBorrowed());
}

}  // namespace
}  // namespace orv
