// Run on both builds: natively against the Linux shell, under Wine against the
// real Win32 functions. Both must give these answers. The code-page and
// character tables themselves are checked in tests/data/code_pages_test.cpp.
#include <gtest/gtest.h>

#include "core/Str.h"
#include "platform/Text.h"

namespace orv {
namespace {

Str8 narrow(unsigned cp, std::u16string_view text) {
  Str8 out;
  EXPECT_TRUE(wideToMultiByte(cp, text.data(), int32_t(text.size()), out)) << cp;
  return out;
}

TEST(TextPort, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(view(narrow(1251, u"a\u4E2Db")), "a?b");
  EXPECT_EQ(view(narrow(1252, u"\u043F")), "?");
  EXPECT_EQ(view(narrow(866, u"\u4E2D\u4E2D")), "??");
}

TEST(TextPort, EmptyTextAndUnknownPages) {
  Str16 w;
  EXPECT_TRUE(multiByteToWide(1251, "", 0, w));
  EXPECT_EQ(w.size(), 0);
  EXPECT_EQ(w.data()[0], 0);
  Str8 n;
  EXPECT_FALSE(wideToMultiByte(12345, u"x", 1, n));
  EXPECT_EQ(n.size(), 0);
  EXPECT_FALSE(isCodePageValid(12345));
}

TEST(TextPort, UpperCasingAnsiBytes) {
  // 1252 is the ANSI page of the test environment on both builds.
  ASSERT_EQ(ansiCodePage(), 1252u);
  char buf[] = "abc\xE9\xFF\xDF 1";
  charUpperBuffA(buf, 8);
  EXPECT_STREQ(buf, "ABC\xC9\x9F\xDF 1");  // ÿ -> Ÿ (0x9F), ß stays
  char low[] = "ABC\xC9";
  charLowerBuffA(low, 4);
  EXPECT_STREQ(low, "abc\xE9");
}

}  // namespace
}  // namespace orv
