// The order and the switched-off items of the dictionaries and layouts pages.
#include <gtest/gtest.h>

#include <string>

#include "app/OrderedChoices.h"
#include "app/SettingFormats.h"

namespace orv {
namespace {

std::string text(const ArrT<Str16>& ids) {
  std::string out;
  for (const Str16& id : ids) {
    for (char16_t c : id) out += static_cast<char>(c);
    out += ' ';
  }
  return out;
}

ArrT<Str16> words(const char* s) {
  Str16 wide;
  for (; *s; ++s) wide.append(static_cast<char16_t>(*s));
  return parseNameList(wide);
}

TEST(OrderedChoices, StoredOrderFirstThenTheRestAndMovesStayInside) {
  struct Case {
    const char* available;
    const char* order;
    const char* skip;
    int32_t moveUp, moveDown;  // -1: no move
    const char* wantOrder;
    const char* wantSkip;
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

}  // namespace
}  // namespace orv
