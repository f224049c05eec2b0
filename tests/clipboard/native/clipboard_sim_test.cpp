#include <gtest/gtest.h>

#include "clipboard/Clipboard.h"
#include "core/DebugLog.h"
#include "platform/sim/SimClipboard.h"

namespace orv {
namespace {

class ClipboardSim : public ::testing::Test {
 protected:
  void SetUp() override { cb.reset(); }
  sim::SimClipboard cb;
  Clipboard clip{cb};
};

TEST_F(ClipboardSim, SetThenReadBothFormats) {
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"caf\u00E9 \u043F")));
  EXPECT_FALSE(cb.isOpen());
  Str16 text;
  EXPECT_TRUE(clip.readClipboardText(text));
  EXPECT_EQ(view(text), u"caf\u00E9 \u043F");
  ASSERT_TRUE(cb.open());
  ArrT<char> ansi;
  ASSERT_TRUE(cb.getData(kCfText, ansi));
  cb.close();
  EXPECT_EQ(std::string(ansi.data()), "caf\xE9 ?");  // the ANSI page is 1252 here
}

TEST_F(ClipboardSim, SaveAndRestoreKeepTheUsersText) {
  cb.putText(u"keep", 4);
  clip.saveClipboard(false);
  EXPECT_EQ(view(clip.savedUnicode()), u"keep");
  EXPECT_EQ(clip.savedAnsi().size(), 0);  // the other program put no CF_TEXT
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"borrowed")));
  clip.restoreClipboard();
  Str16 text;
  ASSERT_TRUE(clip.readClipboardText(text));
  EXPECT_EQ(view(text), u"keep");
}

TEST_F(ClipboardSim, SaveWithEmptyingAndAnEmptyClipboard) {
  clip.saveClipboard(true);
  EXPECT_EQ(clip.savedUnicode().size(), 0);
  cb.putText(u"x", 1);
  clip.saveClipboard(true);
  EXPECT_FALSE(cb.isFormatAvailable(kCfUnicodeText));
  clip.restoreClipboard();
  Str16 text;
  EXPECT_TRUE(clip.readClipboardText(text));
  EXPECT_EQ(view(text), u"x");
}

TEST_F(ClipboardSim, OpeningRetriesFor777Milliseconds) {
  cb.holdOpenUntil(cb.tickCount() + 500);  // the other program lets go in time
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"late")));
  cb.holdOpenUntil(cb.tickCount() + 5000);  // it does not
  uint32_t start = cb.tickCount();
  DebugLogCapture log;
  EXPECT_FALSE(clip.setClipboardData(true, str16(u"never")));
  EXPECT_GT(cb.tickCount() - start, Clipboard::kOpenRetryMs);
  EXPECT_LT(cb.tickCount() - start, Clipboard::kOpenRetryMs + 50);
  EXPECT_NE(log.text().find("setClipboardData"), std::string::npos);
  Str16 text;
  EXPECT_FALSE(clip.getClipboardText(text));
  EXPECT_FALSE(clip.readClipboardText(text));  // no retry at all
}

TEST_F(ClipboardSim, CaptureLimitIsOnTheBlockSize) {
  std::u16string t4999(4999, u'a'), t5000(5000, u'b');
  cb.putText(t4999.data(), 4999);  // 9998 + 2 bytes
  Str16 text;
  ASSERT_TRUE(clip.getClipboardText(text));
  EXPECT_EQ(text.size(), 4999);
  cb.putText(t5000.data(), 5000);  // 10002 bytes
  ASSERT_TRUE(clip.getClipboardText(text));
  EXPECT_EQ(text.size(), 0);
  EXPECT_TRUE(clip.readClipboardText(text));  // reading has no limit
  EXPECT_EQ(text.size(), 5000);
}

TEST_F(ClipboardSim, BlockWithoutTerminatorIsReadSafely) {
  ASSERT_TRUE(cb.open());
  cb.empty();
  const char16_t raw[3] = {u'a', u'b', u'c'};
  cb.setData(kCfUnicodeText, raw, 5);  // odd size, no terminator
  cb.close();
  Str16 text;
  ASSERT_TRUE(clip.readClipboardText(text));
  EXPECT_EQ(view(text), u"ab");
}

TEST_F(ClipboardSim, AddAnsiTextKeepsTheUnicodeText) {
  cb.putText(u"na\u00EFve", 5);
  clip.addAnsiText();
  ASSERT_TRUE(cb.open());
  ArrT<char> ansi, uni;
  EXPECT_TRUE(cb.getData(kCfText, ansi));
  EXPECT_TRUE(cb.getData(kCfUnicodeText, uni));
  cb.close();
  EXPECT_EQ(std::string(ansi.data()), "na\xEFve");
}

}  // namespace
}  // namespace orv
