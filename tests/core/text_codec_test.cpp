#include <gtest/gtest.h>

#include "core/Escape.h"
#include "core/Str.h"
#include "core/SynchObject.h"
#include "core/Tokenizer.h"

namespace orv {
namespace {

TEST(Escape, DecodingDropsTheBackslashOfUnknownEscapes) {
  EXPECT_EQ(view(escapeDecode(str16(u"a\\"))), u"a");
  EXPECT_EQ(view(escapeDecode(str16(u"x\\ny\\tz\\r\\b\\\\"))), u"x\ny\tz\r\b\\");
  EXPECT_EQ(view(escapeDecode(str16(u"\\q\\\"\\\u0416"))), u"q\"\u0416");
  EXPECT_EQ(view(escapeDecode(str16(u"\\\\\\"))), u"\\");
  EXPECT_EQ(escapeDecode(str16(u"")).size(), 0);
}

TEST(Escape, EncodeIsTheInverse) {
  const char16_t* samples[] = {u"plain", u"a\\b", u"line\r\nnext\ttab\b", u"\\\\n", u"\u0436\u0443\u043a \\"};
  for (const char16_t* s : samples) {
    Str16 in = str16(s);
    Str16 enc = escapeEncode(in);
    for (int32_t i = 0; i < enc.size(); ++i) {
      EXPECT_NE(enc[i], u'\n');
      EXPECT_NE(enc[i], u'\r');
    }
    EXPECT_TRUE(escapeDecode(enc) == in) << utf16ToUtf8(enc);
  }
  EXPECT_EQ(view(escapeEncode(str16(u"a\tb\\"))), u"a\\tb\\\\");
}

TEST(Tokenizer, SplitsAndLeavesCursorOnNextToken) {
  Str16 text = str16(u"  one\t two\r\n\fthree  ");
  Tokenizer t(text);
  EXPECT_EQ(t.position(), 2);
  Str16 tok;
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"one");
  EXPECT_EQ(t.position(), 7);  // on the 't' of "two"
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"two");
  EXPECT_EQ(view(t.rest()), u"three  ");
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"three");
  EXPECT_FALSE(t.next(tok));
  EXPECT_EQ(tok.size(), 0);
}

TEST(Tokenizer, SplitsAtTheSeparatorsGivenAndFindsNothingInEmptyText) {
  Str16 text = str16(u"a,b;;c d");
  Tokenizer t(text, u",;");
  Str16 tok;
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"a");
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"b");
  ASSERT_TRUE(t.next(tok));
  EXPECT_EQ(view(tok), u"c d");
  EXPECT_FALSE(t.next(tok));
  Tokenizer e(str16(u" \t "));
  EXPECT_FALSE(e.next(tok));
}

TEST(Utf8, RoundTripsAndReplacesIllFormedInput) {
  const char* s = "abc \xD0\xBF\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80";
  Str16 w = utf8ToUtf16(s);
  EXPECT_EQ(w.size(), 4 + 4 + 2);
  EXPECT_EQ(utf16ToUtf8(w), s);
  Str16 bad = utf8ToUtf16("a\xC0\x80z\xFF");
  EXPECT_EQ(view(bad), u"a\uFFFD\uFFFDz\uFFFD");
}

TEST(SynchObject, IsReentrantAndMadeOnFirstUse) {
  static SynchObject lock;  // a global-like lock used before anything set it up
  EXPECT_FALSE(lock.inited());
  {
    SynchObject::Guard g1(lock);
    SynchObject::Guard g2(lock);  // re-entered on the same thread
    EXPECT_TRUE(lock.inited());
  }
  lock.enter();
  lock.leave();
}

using SynchObjectDeathTest = ::testing::Test;
TEST(SynchObjectDeathTest, LeavingAnUninitialisedLockIsFatal) {
  EXPECT_DEATH(
      {
        SynchObject never;
        never.leave();
      },
      "SynchObject::leave");
}

}  // namespace
}  // namespace orv
