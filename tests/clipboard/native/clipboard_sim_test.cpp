#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "clipboard/Clipboard.h"
#include "platform/sim/SimClipboard.h"

namespace orv {
namespace {

// The bytes of a literal, zeros included, without its terminator.
template <size_t N>
std::string raw(const char (&s)[N]) {
  return std::string(s, N - 1);
}

// A clipboard another program filled with these formats (bytes as given).
void fill(sim::SimClipboard& cb, std::initializer_list<std::pair<unsigned, std::string>> formats) {
  ASSERT_TRUE(cb.open());
  cb.empty();
  for (auto& [id, bytes] : formats) cb.setData(id, bytes.data(), static_cast<int32_t>(bytes.size()));
  cb.close();
}

std::string bytesOf(sim::SimClipboard& cb, unsigned format) {
  ArrT<char> b;
  EXPECT_TRUE(cb.open());
  bool there = cb.getData(format, b);
  cb.close();
  return there ? std::string(b.data(), b.size()) : std::string("(absent)");
}

std::string dword(uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

std::string utf16Block(const std::u16string& s) {
  return std::string(reinterpret_cast<const char*>(s.c_str()), (s.size() + 1) * 2);
}

struct ClipboardSim : ::testing::Test {
  sim::SimClipboard cb;
  Clipboard clip{cb};
};

TEST_F(ClipboardSim, OpeningRetriesFor777Milliseconds) {
  cb.holdOpenUntil(cb.tickCount() + 500);  // the other program lets go in time
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"late")));
  cb.holdOpenUntil(cb.tickCount() + 5000);  // it does not
  uint32_t start = cb.tickCount();
  EXPECT_FALSE(clip.setClipboardData(true, str16(u"never")));
  EXPECT_GT(cb.tickCount() - start, Clipboard::kOpenRetryMs);
  EXPECT_LT(cb.tickCount() - start, Clipboard::kOpenRetryMs + 50);
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

TEST_F(ClipboardSim, SaveKeepsTheTextsEmptiesOnlyWhenAskedAndRestoreBringsBackEveryMemoryBlockByteForByte) {
  unsigned custom = cb.registerFormat(u"Orvanta test format");
  fill(cb, {{kCfUnicodeText, utf16Block(u"caf\u00E9")},
            {kCfText, raw("caf\xE9\0")},
            {2, "hbitmap"},  // handle-only formats cannot be copied as bytes
            {8, raw("\x28\0\0\0\x02\0\0\0\xff\x00\x7f")},
            {15, raw("\x14\0\0\0files\0\0")},
            {0x2A0, "private handle"},
            {custom, raw("\0\x01\x02")}});
  auto kept = cb.formats();
  ASSERT_TRUE(clip.saveClipboard(false));
  EXPECT_EQ(cb.formats(), kept);
  kept.erase(kept.begin() + 5);  // 0x2A0
  kept.erase(kept.begin() + 2);  // 2
  ASSERT_TRUE(clip.saveClipboard(true));
  EXPECT_TRUE(cb.formats().empty());
  EXPECT_EQ(view(clip.savedUnicode()), u"caf\u00E9");
  EXPECT_EQ(view(clip.savedAnsi()), "caf\xE9");
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"borrowed")));
  clip.restoreClipboard();
  EXPECT_EQ(cb.formats(), kept);  // no marks either
}

// The caller may have the clipboard open already (open == false).
TEST_F(ClipboardSim, PastedTextReadsBackWithItsAnsiFormAndPrivateMarksButAnAddedAnsiTextIsNotMarked) {
  for (bool open : {true, false}) {
    SCOPED_TRACE(open);
    cb.reset();
    if (!open) {
      ASSERT_TRUE(cb.open());
      cb.empty();
    }
    ASSERT_TRUE(clip.setClipboardData(open, str16(u"caf\u00E9 \u043F")));
    EXPECT_EQ(cb.isOpen(), !open);
    if (!open) cb.close();
    Str16 text;
    EXPECT_TRUE(clip.readClipboardText(text));
    EXPECT_EQ(view(text), u"caf\u00E9 \u043F");
    EXPECT_EQ(bytesOf(cb, kCfText), raw("caf\xE9 ?\0"));  // the ANSI page is 1252 here
    EXPECT_NE(bytesOf(cb, cb.registerFormat(u"ExcludeClipboardContentFromMonitorProcessing")), "(absent)");
    EXPECT_EQ(bytesOf(cb, cb.registerFormat(u"CanIncludeInClipboardHistory")), dword(0));
    EXPECT_EQ(bytesOf(cb, cb.registerFormat(u"CanUploadToCloudClipboard")), dword(0));
  }
  cb.putText(u"na\u00EFve", 5);
  clip.addAnsiText();
  EXPECT_EQ(cb.formats().size(), 2u);  // the Unicode text stays
  EXPECT_EQ(bytesOf(cb, kCfText), raw("na\xEFve\0"));
}

TEST_F(ClipboardSim, CaptureTakesOnlyPublicTextWithinTheLimit) {
  unsigned exclude = cb.registerFormat(u"ExcludeClipboardContentFromMonitorProcessing");
  unsigned ignore = cb.registerFormat(u"Clipboard Viewer Ignore");
  unsigned history = cb.registerFormat(u"CanIncludeInClipboardHistory");
  const std::string secret = utf16Block(u"secret");
  using enum CaptureResult;
  struct Case {
    const char* what;
    std::function<void()> setUp;
    CaptureResult result;
    size_t length;
  } cases[] = {
      {"empty clipboard", [&] { fill(cb, {}); }, Nothing, 0},
      {"empty text", [&] { fill(cb, {{kCfUnicodeText, utf16Block(u"")}}); }, Nothing, 0},
      {"only ANSI text", [&] { fill(cb, {{kCfText, "abc"}}); }, Nothing, 0},
      {"4999 characters", [&] { fill(cb, {{kCfUnicodeText, utf16Block(std::u16string(4999, u'a'))}}); }, Text, 4999},
      {"5000 characters", [&] { fill(cb, {{kCfUnicodeText, utf16Block(std::u16string(5000, u'a'))}}); }, TooLarge, 0},
      {"exclusion mark", [&] { fill(cb, {{kCfUnicodeText, secret}, {exclude, ""}}); }, Private, 0},
      {"viewer ignore", [&] { fill(cb, {{kCfUnicodeText, secret}, {ignore, "x"}}); }, Private, 0},
      {"history 0", [&] { fill(cb, {{history, dword(0)}, {kCfUnicodeText, secret}}); }, Private, 0},
      {"history 1", [&] { fill(cb, {{history, dword(1)}, {kCfUnicodeText, secret}}); }, Text, 6},
      {"history too short", [&] { fill(cb, {{history, "\1"}, {kCfUnicodeText, secret}}); }, Private, 0},
      {"own paste", [&] { clip.setClipboardData(true, str16(u"paste")); }, Private, 0},
      {"edit control's copy", [&] { cb.userCopy(u"copied", 6); }, Text, 6},
      {"an odd-sized block without a terminator", [&] { fill(cb, {{kCfUnicodeText, raw("a\0b\0c")}}); }, Text, 2},
      {"held open", [&] { cb.holdOpenUntil(cb.tickCount() + 10); }, NotOpened, 0},
  };
  for (auto& c : cases) {
    cb.reset();
    c.setUp();
    Str16 text = str16(u"stale");
    int32_t opens = cb.openCalls();
    EXPECT_EQ(clip.captureText(text), c.result) << c.what;
    EXPECT_EQ(static_cast<size_t>(text.size()), c.length) << c.what;
    EXPECT_EQ(cb.openCalls() - opens, 1) << c.what;  // no retry
    EXPECT_FALSE(cb.isOpen()) << c.what;
  }
}

// A clipboard too large to keep, or one that stays busy, is never borrowed:
// it is left as it is rather than lost.
TEST_F(ClipboardSim, AClipboardThatCannotBeKeptIsNotBorrowed) {
  struct HugeClipboard : sim::SimClipboard {
    int64_t dataSize(unsigned format) override {
      return format == 8 ? Clipboard::kSaveLimit : SimClipboard::dataSize(format);
    }
  };
  HugeClipboard huge;
  Clipboard hugeClip{huge};
  fill(huge, {{kCfUnicodeText, utf16Block(u"a")}, {8, "a huge image"}});
  fill(cb, {{8, "image"}});
  cb.holdOpenUntil(cb.tickCount() + 5000);
  std::pair<sim::SimClipboard*, Clipboard*> users[] = {{&huge, &hugeClip}, {&cb, &clip}};
  for (auto [c, user] : users) {
    auto before = c->formats();
    EXPECT_FALSE(user->saveClipboard(true));
    c->holdOpenUntil(0);
    EXPECT_FALSE(user->setClipboardData(true, str16(u"paste")));
    user->restoreClipboard();
    EXPECT_EQ(c->formats(), before);
    EXPECT_TRUE(user->setClipboardData(true, str16(u"paste")));  // the refusal ends with the restore
  }
}

}  // namespace
}  // namespace orv
