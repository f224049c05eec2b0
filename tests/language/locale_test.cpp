#include <gtest/gtest.h>

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

// Which names the table holds is the data checks' (tests/data); that a name
// counts in any case but untrimmed, the dictionary's charset-file test.
TEST(Charsets, UnknownOrPaddedNamesGiveNoCodePage) {
  EXPECT_EQ(charsetToCodePage(""), 0);
  EXPECT_EQ(charsetToCodePage("klingon"), 0);
  EXPECT_EQ(charsetToCodePage(" windows-1251"), 0);  // no trimming
  EXPECT_EQ(view(codePageToCharset(0)), "unknown-charset");
}

}  // namespace
}  // namespace orv
