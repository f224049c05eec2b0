// The code-page tables, byte for byte, and the character tables. Run on
// both builds: natively against the simulated tables, under Wine against the
// real Win32 functions; both must give these answers.
#include <gtest/gtest.h>

#include "core/Str.h"
#include "platform/Text.h"

namespace orv {
namespace {

Str16 wide(unsigned cp, std::string_view bytes) {
  Str16 out;
  EXPECT_TRUE(multiByteToWide(cp, bytes.data(), int32_t(bytes.size()), out)) << cp;
  return out;
}
Str8 narrow(unsigned cp, std::u16string_view text) {
  Str8 out;
  EXPECT_TRUE(wideToMultiByte(cp, text.data(), int32_t(text.size()), out)) << cp;
  return out;
}

TEST(CodePageTables, CyrillicPages) {
  // "привет" in each Cyrillic page
  const std::u16string_view privet = u"\u043F\u0440\u0438\u0432\u0435\u0442";
  EXPECT_EQ(view(wide(1251, "\xEF\xF0\xE8\xE2\xE5\xF2")), privet);
  EXPECT_EQ(view(wide(866, "\xAF\xE0\xA8\xA2\xA5\xE2")), privet);
  EXPECT_EQ(view(wide(20866, "\xD0\xD2\xC9\xD7\xC5\xD4")), privet);
  EXPECT_EQ(view(wide(28595, "\xDF\xE0\xD8\xD2\xD5\xE2")), privet);
  EXPECT_EQ(view(narrow(1251, privet)), "\xEF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_EQ(view(narrow(20866, privet)), "\xD0\xD2\xC9\xD7\xC5\xD4");
  // Ukrainian letters: 1251 and KOI8-U hold them
  const std::u16string_view uk = u"\u0456\u0457\u0454\u0491";
  EXPECT_EQ(view(narrow(1251, uk)), "\xB3\xBF\xBA\xB4");
  EXPECT_EQ(view(wide(21866, narrow(21866, uk).data())), uk);
  // Ё/ё
  EXPECT_EQ(view(wide(1251, "\xA8\xB8")), u"\u0401\u0451");
}

TEST(CodePageTables, WesternPagesAndUndefinedBytes) {
  EXPECT_EQ(view(wide(1252, "caf\xE9 \x80")), u"caf\u00E9 \u20AC");
  EXPECT_EQ(view(narrow(1252, u"\u00C4\u00D6\u00DC\u00DF\u20AC")), "\xC4\xD6\xDC\xDF\x80");
  EXPECT_EQ(view(wide(28591, "\xE9\x80")), u"\u00E9\u0080");
  EXPECT_EQ(view(wide(28605, "\xA4")), u"\u20AC");
  EXPECT_EQ(view(wide(1250, "\x8A\xB9")), u"\u0160\u0105");
  // bytes 1252 leaves undefined come back as the code unit of the same value
  EXPECT_EQ(view(wide(1252, "\x81\x8D\x8F\x90\x9D")), u"\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(view(wide(1251, "\x98")), u"\u0098");
}

TEST(CodePageTables, Utf8AndDoubleBytePages) {
  const std::u16string_view text = u"a\u00E9\u043F\u4E2D\U0001F600";
  Str8 u = narrow(65001, text);
  EXPECT_EQ(view(u), "a\xC3\xA9\xD0\xBF\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(view(wide(65001, view(u))), text);
  // U+4E2D U+6587 ("zhongwen") in the CJK pages
  EXPECT_EQ(view(narrow(936, u"\u4E2D\u6587")), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(view(wide(936, "\xD6\xD0\xCE\xC4")), u"\u4E2D\u6587");
  EXPECT_EQ(view(narrow(932, u"\u65E5\u672C")), "\x93\xFA\x96\x7B");
  EXPECT_EQ(view(wide(932, "\x93\xFA\x96\x7B")), u"\u65E5\u672C");
  EXPECT_EQ(view(wide(949, "\xC7\xD1")), u"\uD55C");
  EXPECT_EQ(view(wide(950, "\xA4\xA4")), u"\u4E2D");
}

TEST(CodePageTables, TheSupportedPages) {
  for (unsigned cp : {0u, 1u, 866u, 1250u, 1251u, 1252u, 1253u, 1254u, 1255u, 1256u, 1257u, 1258u, 20866u,
                      21866u, 28591u, 28592u, 28595u, 28605u, 65001u, 932u, 936u, 949u, 950u})
    EXPECT_TRUE(isCodePageValid(cp)) << cp;
}

TEST(CharacterTables, CaseMapping) {
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

TEST(CharacterTables, LetterClasses) {
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

}  // namespace
}  // namespace orv
