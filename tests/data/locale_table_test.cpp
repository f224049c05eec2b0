// The generated locale table (language/LocaleTable.inc, made by
// scripts/gen-locale-table): every record is whole, and the rows the program
// leans on carry the values Windows gives them.
#include <gtest/gtest.h>

#include <cstring>

#include "language/Locale.h"

namespace orv {
namespace {

TEST(LocaleTable, HasAllRecordsInOrder) {
  ASSERT_EQ(localeTableSize(), 230);
  const MyNLS* t = localeTable();
  EXPECT_STREQ(t[0].culture, "af");
  EXPECT_STREQ(t[4].culture, "gsw-FR");
  EXPECT_STREQ(t[4].language, "gsw");
  EXPECT_STREQ(t[229].culture, "yo-NG");
  EXPECT_EQ(t[230].lcid, 0u);  // the walk ends at a record with identifier 0
  for (int32_t i = 0; i < localeTableSize(); ++i) {
    const MyNLS& r = t[i];
    SCOPED_TRACE(r.culture);
    EXPECT_NE(r.lcid, 0u);
    EXPECT_NE(r.ansiCodePage, 0u);
    EXPECT_NE(r.oemCodePage, 0u);
    // the language code is the culture name's first part; a neutral
    // record's culture name is its language code
    size_t n = std::strlen(r.language);
    EXPECT_EQ(std::strncmp(r.language, r.culture, n), 0);
    EXPECT_TRUE(r.culture[n] == 0 || r.culture[n] == '-');
    if (r.lcid < 0x400 && r.lcid != 0x4) {  // zh-Hans is the one neutral with a script
      EXPECT_STREQ(r.language, r.culture);
    }
    EXPECT_EQ(std::strlen(r.windowsAbbrev), 3u);
    EXPECT_GT(std::strlen(r.englishDisplay), 2u);
    EXPECT_GT(std::strlen(r.englishLanguage), 2u);
    EXPECT_NE(r.nativeName[0], 0);
  }
}

TEST(LocaleTable, TellingRows) {
  struct Want {
    uint32_t id, ansi, oem;
    const char* culture;
  };
  const Want rows[] = {{0x409, 1252, 437, "en-US"}, {0x419, 1251, 866, "ru-RU"}, {0x19, 1251, 866, "ru"},
                       {0x422, 1251, 866, "uk-UA"}, {0x411, 932, 932, "ja-JP"},  {0x804, 936, 936, "zh-CN"},
                       {0x407, 1252, 850, "de-DE"}, {0x40C, 1252, 850, "fr-FR"}};
  for (const Want& w : rows) {
    MyNLS r = localeRecord(w.id);
    EXPECT_EQ(r.lcid, w.id);
    EXPECT_EQ(r.ansiCodePage, w.ansi) << w.culture;
    EXPECT_EQ(r.oemCodePage, w.oem) << w.culture;
    EXPECT_STREQ(r.culture, w.culture);
  }
  MyNLS us = localeRecord(0x409);
  EXPECT_STREQ(us.englishDisplay, "English (United States)");
  EXPECT_STREQ(us.region3, "USA");
  EXPECT_STREQ(us.windowsAbbrev, "ENU");
  EXPECT_STREQ(localeRecord(0x19).englishDisplay, "Russian");
  EXPECT_EQ(std::u16string_view(localeRecord(0x419).nativeName), u"\u0440\u0443\u0441\u0441\u043A\u0438\u0439 (\u0420\u043E\u0441\u0441\u0438\u044F)");
  // the high word of a layout handle does not matter
  EXPECT_STREQ(localeRecord(0x04190419).culture, "ru-RU");
}

// The charset table (language/Locale.cpp): a name that two rows give after
// lower-casing keeps the later row; a code page answers with its first name.
TEST(CharsetTable, TellingRows) {
  EXPECT_EQ(charsetToCodePage("koi8-r"), 20866);
  EXPECT_EQ(charsetToCodePage("KOI8-U"), 21866);
  EXPECT_EQ(charsetToCodePage("utf-8"), 65001);
  EXPECT_EQ(charsetToCodePage("iso-2022-jp"), 50222);  // the later row wins
  EXPECT_EQ(charsetToCodePage("EUC-JP"), 51932);       // collides with euc-jp after lower-casing
  EXPECT_EQ(view(codePageToCharset(20866)), "koi8-r");
  EXPECT_EQ(view(codePageToCharset(50220)), "unknown-charset");
  EXPECT_EQ(view(codePageToCharset(20932)), "unknown-charset");
  EXPECT_EQ(view(codePageToCharset(50222)), "iso-2022-jp");
  EXPECT_EQ(view(codePageToCharset(51932)), "euc-jp");
  EXPECT_EQ(view(codePageToCharset(1201)), "unicodefffe");
}

}  // namespace
}  // namespace orv
