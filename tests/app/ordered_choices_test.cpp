// The order and the switched-off items of the dictionaries and layouts pages,
// and the forms these and the custom colours take in the INI file.
#include <gtest/gtest.h>

#include <string>

#include "app/OrderedChoices.h"
#include "app/SettingFormats.h"

namespace orv {
namespace {

std::string text(const ArrT<Str16>& ids) {
  std::string out;
  for (const Str16& id : ids) out += utf16ToUtf8(id) + ' ';
  return out;
}

ArrT<Str16> words(const char* s) { return parseNameList(utf8ToUtf16(s)); }

TEST(OrderedChoices, StoredOrderFirstThenTheRestAndMovesStayInside) {
  struct Case {
    const char *available, *order, *skip;
    int32_t moveUp, moveDown;  // -1: no move
    const char *wantOrder, *wantSkip;
  } cases[] = {
      {"en_US ru_RU de_DE", "", "", -1, -1, "en_US ru_RU de_DE ", ""},
      // Names keep the folders' spelling; gone and repeated ones drop out.
      {"en_US ru_RU de_DE", "RU_ru fr_FR ru_RU", "DE_de", -1, -1, "ru_RU en_US de_DE ", "de_DE "},
      {"en_US ru_RU de_DE", "", "", 2, -1, "en_US de_DE ru_RU ", ""},
      {"en_US ru_RU de_DE", "", "", 0, 2, "en_US ru_RU de_DE ", ""},  // already at the ends
      {"en_US ru_RU de_DE", "", "ru_RU", -1, 0, "ru_RU en_US de_DE ", "ru_RU "},
      {"", "en_US", "en_US", -1, -1, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.order) + " / " + c.skip);
    OrderedChoices list;
    list.load(words(c.available), words(c.order), words(c.skip));
    if (c.moveUp >= 0) {
      EXPECT_EQ(list.moveUp(c.moveUp), c.moveUp > 0 ? c.moveUp - 1 : 0);
    }
    if (c.moveDown >= 0) list.moveDown(c.moveDown);
    EXPECT_EQ(text(list.order()), c.wantOrder);
    EXPECT_EQ(text(list.skip()), c.wantSkip);
  }
  OrderedChoices list;
  list.load(words("a b"), words(""), words("b"));
  list.setOn(1, true);
  list.setOn(0, false);
  EXPECT_EQ(text(list.skip()), "a ");
}


TEST(SettingFormats, CustomColorsRoundTripAsRedGreenBlueAndOddTextKeepsTheRest) {
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

  uint32_t c[16];  // what odd text cannot give is kept
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
  EXPECT_EQ(utf16ToUtf8(formatHexList(parseHexList(utf8ToUtf16(" 4090409\t\tf0c00419  x12 0419 ")))),
            "04090409 F0C00419 00000419");
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
