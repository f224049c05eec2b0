// The clipboard operations on the system's real clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "clipboard/Clipboard.h"

namespace orv {
namespace {

// The bytes of a literal, zeros included, without its terminator.
template <size_t N>
std::string raw(const char (&s)[N]) {
  return std::string(s, N - 1);
}

std::string bytesOf(unsigned format) {
  ArrT<char> b;
  if (!systemClipboard().getData(format, b)) return "(absent)";
  return std::string(b.data(), b.size());
}

TEST(ClipboardOnWindows, SaveRestoreKeepsTextCustomFormatAndFileListAndPastesAreMarked) {
  ClipboardPort& port = systemClipboard();
  Clipboard clip;
  unsigned custom = port.registerFormat(u"Orvanta test format");
  ASSERT_GE(custom, 0xC000u);
  EXPECT_EQ(port.registerFormat(u"Orvanta test format"), custom);
  // DROPFILES (offset 20, wide names) and one file name, double-terminated.
  const std::string drop = raw("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0C\0:\0\\\0a\0\0\0\0\0");
  const std::string text = raw("u\0s\0e\0r\0\0\0"), customBytes = raw("\0\x01\x02\x03");
  ASSERT_TRUE(port.open());
  port.empty();
  ASSERT_TRUE(port.setData(kCfUnicodeText, text.data(), 10));
  ASSERT_TRUE(port.setData(custom, customBytes.data(), 4));
  ASSERT_TRUE(port.setData(15, drop.data(), static_cast<int32_t>(drop.size())));
  port.close();

  ASSERT_TRUE(clip.saveClipboard(false));
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"borrowed")));
  unsigned exclude = port.registerFormat(Clipboard::kExcludeFormat);
  unsigned history = port.registerFormat(Clipboard::kHistoryFormat);
  unsigned cloud = port.registerFormat(Clipboard::kCloudFormat);
  const std::string zero(4, '\0');
  ASSERT_TRUE(port.open());
  EXPECT_EQ(bytesOf(exclude), zero);
  EXPECT_EQ(bytesOf(history), zero);
  EXPECT_EQ(bytesOf(cloud), zero);
  port.close();
  Str16 captured;
  EXPECT_EQ(clip.captureText(captured), CaptureResult::Private);

  clip.restoreClipboard();
  ASSERT_TRUE(port.open());
  EXPECT_EQ(bytesOf(kCfUnicodeText), text);
  EXPECT_EQ(bytesOf(custom), customBytes);
  EXPECT_EQ(bytesOf(15), drop);
  EXPECT_FALSE(port.isFormatAvailable(exclude));
  EXPECT_FALSE(port.isFormatAvailable(history));
  port.close();
  EXPECT_EQ(clip.captureText(captured), CaptureResult::Text);
  EXPECT_EQ(view(captured), u"user");
}

// A bitmap put as CF_BITMAP cannot be copied as bytes, but the system offers
// it as CF_DIB too: that block is kept, and the bitmap comes back from it.
TEST(ClipboardOnWindows, ABitmapComesBackThroughTheDibTheSystemOffersForIt) {
  ClipboardPort& port = systemClipboard();
  const uint32_t pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
  HBITMAP bmp = CreateBitmap(2, 2, 1, 32, pixels);
  ASSERT_NE(bmp, nullptr);
  ASSERT_TRUE(port.open());
  port.empty();
  ASSERT_NE(SetClipboardData(CF_BITMAP, bmp), nullptr);
  port.close();

  ASSERT_TRUE(port.open());
  std::string dib = bytesOf(CF_DIB);
  port.close();
  ASSERT_NE(dib, "(absent)");

  Clipboard clip;
  ASSERT_TRUE(clip.saveClipboard(true));
  clip.restoreClipboard();
  ASSERT_TRUE(port.open());
  EXPECT_EQ(bytesOf(CF_DIB), dib);
  EXPECT_TRUE(port.isFormatAvailable(CF_BITMAP));
  port.close();
}

}  // namespace
}  // namespace orv
