#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

#include "core/ArrT.h"
#include "core/Str.h"

namespace orv {
namespace {

TEST(ArrT, FreshWideStringIsEmptyAndTerminated) {
  Str16 s;
  EXPECT_EQ(s.size(), 0);
  EXPECT_FALSE(s.hasBuffer());
  EXPECT_EQ(s.data()[0], 0);
  EXPECT_EQ(s.size(), 0);
  EXPECT_TRUE(s.hasBuffer());
}

TEST(ArrT, AppendingGrowsGeometricallyAndKeepsRoomForTheTerminator) {
  ArrT<int> a;
  int grows = 0;
  for (int i = 0, cap = 0; i < 1000; ++i, cap = a.capacity()) {
    a.append(i);
    grows += a.capacity() != cap;
    ASSERT_GE(a.capacity(), a.size() + 1);
  }
  EXPECT_LT(grows, 25);
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a.last(), 999);
  EXPECT_EQ(IArray::grownCapacity(2, 1, 10), 10);  // room enough: unchanged
}

TEST(ArrT, TerminatorHoldsAfterEveryEdit) {
  Str8 s = str8("hello world");
  // the text, and a terminator right after it
  auto holds = [&](std::string_view text) { return view(s) == text && std::strlen(s.data()) == text.size(); };
  EXPECT_TRUE(holds("hello world"));
  s.remove(5, 6);  // the last run: length becomes 5, element there zeroed
  EXPECT_TRUE(holds("hello"));
  s.remove(0, 1);  // an inner run moves the tail down
  EXPECT_TRUE(holds("ello"));
  s.insert(2, 3);  // zero-filled gap
  EXPECT_EQ(s.size(), 7);
  EXPECT_EQ(s[2], 0);
  EXPECT_EQ(s[4], 0);
  EXPECT_EQ(s[5], 'l');
  s.isetSize(2);
  EXPECT_TRUE(holds("el"));
  s.isetSize(4);
  EXPECT_EQ(s[3], 0);
  EXPECT_EQ(s.data()[4], 0);
}

TEST(ArrT, EqualityNeedsTheSameLengthAndElements) {
  Str16 x = str16(u"abc"), y = str16(u"abc"), z = str16(u"abd");
  EXPECT_TRUE(x == y);
  EXPECT_FALSE(x == z);
  EXPECT_FALSE(x == str16(u"ab"));
  EXPECT_TRUE(Str16() == str16(u""));
}

TEST(ArrT, AppendRunsFillAndSelfAppend) {
  Str8 s;
  s.append("abc", 3);
  s.append(s);  // a run of its own elements, across a reallocation
  EXPECT_EQ(view(s), "abcabc");
  s.append(s.data() + 1, 2);
  EXPECT_EQ(view(s), "abcabcbc");
  s.append(s[0]);
  EXPECT_EQ(view(s), "abcabcbca");
  s.fill('x', 3);
  EXPECT_EQ(view(s), "xxx");
}

TEST(ArrT, NestedArraysCopyMoveAndDestroy) {
  ArrT<Str16> list;
  list.append(str16(u"one"));
  list.append(str16(u"two"));
  list.insertAt(0, str16(u"zero"));
  list.insert(1, 2);  // new elements are empty strings, usable at once
  list[1].append(u'!');
  ASSERT_EQ(list.size(), 5);
  EXPECT_EQ(view(list[0]), u"zero");
  EXPECT_EQ(view(list[1]), u"!");
  EXPECT_EQ(list[2].size(), 0);
  EXPECT_EQ(view(list[4]), u"two");

  ArrT<Str16> copy(list);
  copy[0].append(u'?');
  EXPECT_EQ(view(list[0]), u"zero");  // deep copy
  EXPECT_FALSE(copy == list);
  copy[0].remove(4, 1);
  EXPECT_TRUE(copy == list);

  Str16 taken = list.removeAt(0);
  EXPECT_EQ(view(taken), u"zero");
  list.remove(0, 3);
  ASSERT_EQ(list.size(), 1);
  EXPECT_EQ(view(list[0]), u"two");

  ArrT<Str16> moved(std::move(copy));
  EXPECT_EQ(copy.size(), 0);
  EXPECT_EQ(moved.size(), 5);
}

using ArrTDeathTest = ::testing::Test;

TEST(ArrTDeathTest, PreconditionsStopWithTheConditionText) {
  ArrT<int> a;
  a.append(1);
  EXPECT_DEATH(a.at(1), "ArrT::at");
  EXPECT_DEATH(a.at(-1), "ArrT::at");
  ArrT<int> empty;
  EXPECT_DEATH(empty.last(), "ArrT::last");
  EXPECT_DEATH(a.insert(2, 1), "IArray::_insert");
  EXPECT_DEATH(a.remove(0, 2), "ArrT::remove");
  EXPECT_DEATH(a.isetSize(-1), "IArrayT::isetSize");
}

TEST(ArrTDeathTest, BadAllocationMarkerIsFatal) {
  EXPECT_DEATH(
      {
        auto* s = new Str8(str8("abc"));
        reinterpret_cast<uint32_t*>(s->data())[-1] = 0x12345678;
        delete s;
      },
      "IArray::my_free");
  EXPECT_DEATH(
      {
        Str8 s = str8("abc");
        reinterpret_cast<uint32_t*>(s.data())[-1] = 0;
        for (int i = 0; i < 100; ++i) s.append('x');
      },
      "IArray::my_realloc");
}

}  // namespace
}  // namespace orv
