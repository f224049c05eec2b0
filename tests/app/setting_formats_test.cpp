#include <gtest/gtest.h>

#include "app/SettingFormats.h"

namespace orv {
namespace {

TEST(SettingFormats, CustomColorsRoundTripAsRedGreenBlue) {
  uint32_t colors[16] = {};
  colors[0] = 0x000000FF;  // red
  colors[1] = 0x00FFC763;  // the editor's default background
  colors[15] = 0x00010203;
  Str16 text = formatCustomColors(colors);
  EXPECT_EQ(utf16ToUtf8(text).substr(0, 28), "FF0000 63C7FF 000000 000000 ");
  EXPECT_EQ(text.size(), 16 * 7);
  uint32_t back[16];
  for (uint32_t& c : back) c = 0xABCDEF;
  parseCustomColors(text, back);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(back[i], colors[i]) << i;
}

TEST(SettingFormats, CustomColorsToleratePartialAndOddText) {
  uint32_t c[16];
  for (uint32_t& x : c) x = 7;
  parseCustomColors(utf8ToUtf16("#00ff00   0000FF zz 123456789"), c);
  EXPECT_EQ(c[0], 0x0000FF00u);  // green
  EXPECT_EQ(c[1], 0x00FF0000u);  // blue
  EXPECT_EQ(c[2], 7u);           // not a number: kept
  EXPECT_EQ(c[3], 7u);           // more than six digits of colour: kept
  EXPECT_EQ(c[4], 7u);           // no token
  parseCustomColors(Str16(), c);
  EXPECT_EQ(c[0], 0x0000FF00u);
}

TEST(SettingFormats, LayoutListsAreHexadecimal) {
  ArrT<uint32_t> hkls;
  hkls.append(0x04090409u);
  hkls.append(0xF0C00419u);
  EXPECT_EQ(utf16ToUtf8(formatHexList(hkls)), "04090409 F0C00419");
  ArrT<uint32_t> back = parseHexList(utf8ToUtf16(" 4090409\t\tf0c00419  x12 0419 "));
  ASSERT_EQ(back.size(), 3);
  EXPECT_EQ(back[0], 0x04090409u);
  EXPECT_EQ(back[1], 0xF0C00419u);
  EXPECT_EQ(back[2], 0x419u);
  EXPECT_EQ(parseHexList(Str16()).size(), 0);
}

TEST(SettingFormats, DictionaryListsAreBlankSeparatedNames) {
  ArrT<Str16> names = parseNameList(utf8ToUtf16("ru  en uk"));
  ASSERT_EQ(names.size(), 3);
  EXPECT_EQ(view(names[1]), u"en");
  names.insertAt(1, Str16());
  EXPECT_EQ(utf16ToUtf8(formatNameList(names)), "ru en uk");
}

}  // namespace
}  // namespace orv
