#include <gtest/gtest.h>

#include <cstring>

#include "language/Locale.h"

namespace orv {
namespace {

TEST(LocaleTable, UnknownIdentifierGivesZeroRecord) {
  for (uint32_t id : {0u, 0x7FFu, 0x1234u}) {
    MyNLS r = localeRecord(id);
    EXPECT_EQ(r.lcid, 0u);
    EXPECT_EQ(r.ansiCodePage, 0u);
    EXPECT_EQ(r.culture, nullptr);
    EXPECT_EQ(r.nativeName[0], 0);
  }
}

TEST(Charsets, NamesToCodePages) {
  EXPECT_EQ(charsetToCodePage("Windows-1251"), 1251);
  EXPECT_EQ(charsetToCodePage("koi8-r"), 20866);
  EXPECT_EQ(charsetToCodePage("KOI8-U"), 21866);
  EXPECT_EQ(charsetToCodePage("utf-8"), 65001);
  EXPECT_EQ(charsetToCodePage("iso-2022-jp"), 50222);  // the later row wins
  EXPECT_EQ(charsetToCodePage("EUC-JP"), 51932);       // collides with euc-jp after lower-casing
  EXPECT_EQ(charsetToCodePage(""), 0);
  EXPECT_EQ(charsetToCodePage("klingon"), 0);
  EXPECT_EQ(charsetToCodePage("windows-1251\n"), 0);  // no trimming
  EXPECT_EQ(charsetToCodePage(" windows-1251"), 0);
}

TEST(Charsets, CodePagesToNames) {
  EXPECT_EQ(view(codePageToCharset(1251)), "windows-1251");
  EXPECT_EQ(view(codePageToCharset(20866)), "koi8-r");
  EXPECT_EQ(view(codePageToCharset(0)), "unknown-charset");
  EXPECT_EQ(view(codePageToCharset(50220)), "unknown-charset");
  EXPECT_EQ(view(codePageToCharset(20932)), "unknown-charset");
  EXPECT_EQ(view(codePageToCharset(50222)), "iso-2022-jp");
  EXPECT_EQ(view(codePageToCharset(51932)), "euc-jp");
  EXPECT_EQ(view(codePageToCharset(1201)), "unicodefffe");
}

}  // namespace
}  // namespace orv
