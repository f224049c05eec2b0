// Run on both builds: natively against the Linux shell, under Wine against the
// real Win32 functions. Both must give these answers. The code-page tables
// themselves are checked in tests/data/code_pages_test.cpp.
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
  for (unsigned cp : {0u, 1u, 866u, 1250u, 1251u, 1252u, 1253u, 1254u, 1255u, 1256u, 1257u, 1258u, 20866u,
                      21866u, 28591u, 28592u, 28595u, 28605u, 65001u, 932u, 936u, 949u, 950u})
    EXPECT_TRUE(isCodePageValid(cp)) << cp;
}

TEST(TextPort, CaseMapping) {
  EXPECT_EQ(charLowerW(u'A'), u'a');
  EXPECT_EQ(charUpperW(u'z'), u'Z');
  EXPECT_EQ(charLowerW(u'\u0416'), u'\u0436');  // Ж ж
  EXPECT_EQ(charUpperW(u'\u0451'), u'\u0401');  // ё Ё
  EXPECT_EQ(charUpperW(u'\u0457'), u'\u0407');  // ї Ї
  EXPECT_EQ(charUpperW(u'\u0491'), u'\u0490');  // ґ Ґ
  EXPECT_EQ(charUpperW(u'\u00E9'), u'\u00C9');
  EXPECT_EQ(charUpperW(u'\u00DF'), u'\u00DF');  // ß has no one-letter capital
  EXPECT_EQ(charLowerW(u'1'), u'1');
  EXPECT_EQ(charUpperW(u'\u03C3'), u'\u03A3');
  Str16 s = str16(u"\u041F\u0440\u0418\u0432\u0415\u0442 World");
  charLowerBuffW(s.data(), s.size());
  EXPECT_EQ(view(s), u"\u043F\u0440\u0438\u0432\u0435\u0442 world");
}

TEST(TextPort, LetterClasses) {
  for (char16_t c : {u'a', u'Z', u'\u0436', u'\u0401', u'\u0457', u'\u00E9', u'\u03A9', u'\u4E2D'})
    EXPECT_TRUE(isCharAlphaW(c)) << int(c);
  for (char16_t c : {u'1', u' ', u'.', u'\'', u'-', u'\u00AB', u'\u2014', u'\0'})
    EXPECT_FALSE(isCharAlphaW(c)) << int(c);
  EXPECT_TRUE(isCharUpperW(u'A'));
  EXPECT_TRUE(isCharUpperW(u'\u0416'));
  EXPECT_FALSE(isCharUpperW(u'a'));
  EXPECT_FALSE(isCharUpperW(u'1'));
  EXPECT_TRUE(isCharLowerW(u'\u0436'));
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
