// A retype borrows the clipboard: whatever the user had there, an image as
// well as a text, is back afterwards byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyboard/sim/SimDesktop.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

const std::string kImage("\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x20\0\0\0\0\0\xff\x80\x00\x00", 24);

struct ClipboardKept : ::testing::Test {
  KeyboardSettings settings;
  test::WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void SetUp() override { words.add(1251, {"привет"}); }
  void start() {
    d = std::make_unique<sim::SimDesktop>(std::vector<Hkl>{0x04090409, 0x04190419}, settings);
    d->dictionary = [this](const Str8& w, int32_t cp) { return words.check(w, cp); };
  }
  void putImage() {
    ASSERT_TRUE(d->clipboardPort.open());
    d->clipboardPort.empty();
    d->clipboardPort.setData(8, kImage.data(), static_cast<int32_t>(kImage.size()));
    d->clipboardPort.close();
  }
  void retype() {
    simtool::DesktopTyper typer(*d);
    typer.settle = false;
    std::string err;
    ASSERT_TRUE(typer.runScript("ghbdtn ", err)) << err;
    d->pump();
    EXPECT_EQ(d->appTextUtf8(), "привет ");
  }
};

TEST_F(ClipboardKept, AnAutoSwitchLeavesAnImageOnTheClipboard) {
  start();
  putImage();
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
    start();
    d->clipboardPort.putText(u"old", 3);
    d->echoesLost = overdue;  // then only the loan's deadline ends it
    retype();
    putImage();
    auto copied = d->clipboardPort.formats();
    d->advance(KeyboardEngine::kLoanDeadlineMs + 333);
    EXPECT_EQ(d->clipboardPort.formats(), copied) << (overdue ? "deadline" : "restore");
    EXPECT_FALSE(d->engine.clipboardBorrowed());
  }
}

}  // namespace
}  // namespace orv
