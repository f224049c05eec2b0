#include <gtest/gtest.h>

#include <tuple>

#include "core/MapT.h"
#include "core/SetT.h"
#include "core/Str.h"

namespace orv {
namespace {

// Wide keys compare as their little-endian bytes: U+0410 is 10 04 in memory
// and U+0041 is 41 00, so the low byte decides first, then the high byte.
// Narrow keys compare as unsigned bytes.
TEST(KeyOrder, WideKeysSortByLittleEndianBytesNarrowOnesUnsigned) {
  for (auto [less, more] : {std::pair{u"\u0410", u"A"}, {u"\u0141", u"\u0242"}, {u"\u0241", u"\u0142"},
                            {u"\u0141", u"\u0241"}, {u"ab", u"abc"}})
    EXPECT_LT(compareKeys(str16(less), str16(more)), 0) << utf16ToUtf8(std::u16string_view(less));
  for (auto [less, more] : {std::pair{"z", "\xE0"}, {"", "a"}, {"abc", "b"}})
    EXPECT_LT(compareKeys(str8(less), str8(more)), 0) << less;
  EXPECT_EQ(compareKeys(str16(u"abc"), str16(u"abc")), 0);
}

TEST(MapT, WideKeysOrderAndPutReplaces) {
  MapT<Str16, int> m;
  for (const char16_t* k : {u"A", u"\u0410", u"B", u"A"}) m.put(str16(k), m.size());
  ASSERT_EQ(m.size(), 3);
  EXPECT_EQ(view(m.keyAt(0)), u"\u0410");
  EXPECT_EQ(view(m.keyAt(1)), u"A");
  EXPECT_EQ(view(m.keyAt(2)), u"B");
  ASSERT_NE(m.get(str16(u"A")), nullptr);
  EXPECT_EQ(*m.get(str16(u"A")), 3);  // the second put replaced the first value
  EXPECT_EQ(m.get(str16(u"C")), nullptr);
}

TEST(MapT, FindGivesInsertionPoints) {
  MapT<int, int> m;
  int32_t i = -1;
  EXPECT_FALSE(m.find(5, i));
  EXPECT_EQ(i, 0);
  for (int k : {10, 20, 30, 40}) m.put(k, k * 2);
  for (auto [key, found, at] : {std::tuple{5, false, 0}, {25, false, 2}, {45, false, 4}, {30, true, 2}}) {
    EXPECT_EQ(m.find(key, i), found) << key;
    EXPECT_EQ(i, at) << key;
  }
  EXPECT_EQ(m.valAt(2), 60);
  EXPECT_EQ(m.removeAt(0).key, 10);
  EXPECT_EQ(m.keyAt(0), 20);
}

TEST(MapT, StaysSortedUnderScatteredInserts) {
  MapT<unsigned, int> m;
  for (unsigned n = 0; n < 1000; ++n) m.put(n * 7919u % 500, int(n));  // every key twice, scattered
  ASSERT_EQ(m.size(), 500);
  for (int32_t i = 0; i < m.size(); ++i) EXPECT_EQ(m.keyAt(i), unsigned(i));
}

TEST(SetT, HoldsEachKeyOnceInOrder) {
  SetT<Str8> s;
  EXPECT_TRUE(s.add(str8("pear")));
  EXPECT_TRUE(s.add(str8("apple")));
  EXPECT_FALSE(s.add(str8("pear")));
  EXPECT_TRUE(s.add(str8("\xE0pple")));
  ASSERT_EQ(s.size(), 3);
  EXPECT_EQ(view(s.at(0)), "apple");
  EXPECT_EQ(view(s.at(2)), "\xE0pple");
  EXPECT_TRUE(s.contains(str8("pear")));
  EXPECT_FALSE(s.contains(str8("pea")));
  EXPECT_EQ(view(s.removeAt(1)), "pear");
  EXPECT_FALSE(s.contains(str8("pear")));
}

using MapTDeathTest = ::testing::Test;
TEST(MapTDeathTest, BadIndexIsFatal) {
  MapT<int, int> m;
  m.put(1, 1);
  EXPECT_DEATH(m.valAt(-1), "MapT::valAt");
  EXPECT_DEATH(m.keyAt(1), "MapT::keyAt");
}

}  // namespace
}  // namespace orv
