// A retype borrows the clipboard: whatever the user had there, an image as
// well as a text, is back afterwards byte for byte.
#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct ClipboardKept : ::testing::Test {
  KeyboardSettings settings;
  WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void SetUp() override { words.add(1251, {"привет"}); }
  void retype() {
    typeInto(*d, "ghbdtn ", false);
    d->pump();
    EXPECT_EQ(d->appTextUtf8(), "привет ");
  }
};

TEST_F(ClipboardKept, AnAutoSwitchLeavesAnImageOnTheClipboard) {
  d = desktopWith({kUs, kRu}, settings, words);
  putImage(*d);
  auto before = d->clipboardPort.formats();
  retype();
  d->advance(333);
  EXPECT_EQ(d->clipboardRestores, 1);
  EXPECT_EQ(d->clipboardPort.formats(), before);
}

// Whatever the user copies while the loan runs is theirs: the restore, when
// it comes due, leaves it there instead of putting the older content back.
TEST_F(ClipboardKept, ACopyMadeDuringTheLoanIsNotOverwrittenByTheRestore) {
  for (bool overdue : {false, true}) {
    d = desktopWith({kUs, kRu}, settings, words);
    d->clipboardPort.putText(u"old", 3);
    d->echoesLost = overdue;  // then only the loan's deadline ends it
    retype();
    putImage(*d);
    auto copied = d->clipboardPort.formats();
    d->advance(KeyboardEngine::kLoanDeadlineMs + 333);
    EXPECT_EQ(d->clipboardPort.formats(), copied) << (overdue ? "deadline" : "restore");
    EXPECT_FALSE(d->engine.clipboardBorrowed());
  }
}

}  // namespace
}  // namespace orv
