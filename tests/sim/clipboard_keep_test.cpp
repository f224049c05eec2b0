// A retype borrows the clipboard: whatever the user had there, an image or a
// list of copied files as well as a text, is back afterwards byte for byte,
// and the pasted word itself is marked private meanwhile.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyboard/sim/SimDesktop.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419;

// The bytes of a literal, zeros included, without its terminator.
template <size_t N>
std::string raw(const char (&s)[N]) {
  return std::string(s, N - 1);
}

TEST(ClipboardKept, AnAutoSwitchLeavesAnImageOrAFileListOnTheClipboard) {
  struct Content {
    const char* what;
    unsigned format;
    std::string bytes;
  } contents[] = {
      {"image", 8, raw("\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x20\0\0\0\0\0\xff\x80\x00\x00")},
      {"file list", 15, raw("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0C\0:\0\\\0a\0\0\0\0\0")},
  };
  for (auto& c : contents) {
    KeyboardSettings settings;
    test::WordSet words;
    words.add(1251, {"привет"});
    auto d = std::make_unique<sim::SimDesktop>(std::vector<Hkl>{kUs, kRu}, settings);
    d->dictionary = [&words](const Str8& w, int32_t cp) { return words.check(w, cp); };
    ASSERT_TRUE(d->clipboardPort.open());
    d->clipboardPort.empty();
    d->clipboardPort.setData(c.format, c.bytes.data(), static_cast<int32_t>(c.bytes.size()));
    d->clipboardPort.close();
    auto before = d->clipboardPort.formats();

    simtool::DesktopTyper typer(*d);
    typer.settle = false;
    std::string err;
    ASSERT_TRUE(typer.runScript("ghbdtn ", err)) << err;
    d->pump();
    EXPECT_EQ(d->appTextUtf8(), "привет ") << c.what;
    EXPECT_TRUE(d->clipboardPort.isFormatAvailable(
        d->clipboardPort.registerFormat(u"ExcludeClipboardContentFromMonitorProcessing")))
        << c.what;
    d->advance(333);
    EXPECT_EQ(d->clipboardRestores, 1) << c.what;
    EXPECT_EQ(d->clipboardPort.formats(), before) << c.what;
  }
}

// Whatever the user copies while the loan runs is theirs: the restore, when
// it comes due, leaves it there instead of putting the older content back.
TEST(ClipboardKept, ACopyMadeDuringTheLoanIsNotOverwrittenByTheRestore) {
  const std::string image = raw("\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x20\0\0\0\0\0\xff\x80\x00\x00");
  for (bool overdue : {false, true}) {
    KeyboardSettings settings;
    test::WordSet words;
    words.add(1251, {"привет"});
    auto d = std::make_unique<sim::SimDesktop>(std::vector<Hkl>{kUs, kRu}, settings);
    d->dictionary = [&words](const Str8& w, int32_t cp) { return words.check(w, cp); };
    d->clipboardPort.putText(u"old", 3);
    d->echoesLost = overdue;  // then only the loan's deadline ends it
    simtool::DesktopTyper typer(*d);
    typer.settle = false;
    std::string err;
    ASSERT_TRUE(typer.runScript("ghbdtn ", err)) << err;
    d->pump();
    ASSERT_TRUE(d->clipboardPort.open());
    d->clipboardPort.empty();
    d->clipboardPort.setData(8, image.data(), static_cast<int32_t>(image.size()));
    d->clipboardPort.close();
    auto copied = d->clipboardPort.formats();
    d->advance(KeyboardEngine::kLoanDeadlineMs + 333);
    EXPECT_EQ(d->clipboardPort.formats(), copied) << (overdue ? "deadline" : "restore");
    EXPECT_FALSE(d->engine.clipboardBorrowed());
  }
}

}  // namespace
}  // namespace orv
