#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "core/Base64.h"
#include "core/Crc32.h"
#include "core/Escape.h"
#include "core/Str.h"
#include "core/SynchObject.h"
#include "core/Tokenizer.h"

namespace orv {
namespace {

TEST(Escape, DecodingDropsTheBackslashOfUnknownEscapes) {
  for (auto [encoded, decoded] : {std::pair{u"a\\", u"a"}, {u"x\\ny\\tz\\r\\b\\\\", u"x\ny\tz\r\b\\"},
                                  {u"\\q\\\"\\\u0416", u"q\"\u0416"}, {u"\\\\\\", u"\\"}, {u"", u""}})
    EXPECT_EQ(view(escapeDecode(str16(encoded))), decoded) << utf16ToUtf8(std::u16string_view(encoded));
}

TEST(Escape, EncodeIsTheInverse) {
  const char16_t* samples[] = {u"plain", u"a\\b", u"line\r\nnext\ttab\b", u"\\\\n", u"\u0436\u0443\u043a \\"};
  for (const char16_t* s : samples) {
    Str16 in = str16(s);
    Str16 enc = escapeEncode(in);
    EXPECT_EQ(view(enc).find_first_of(u"\r\n"), std::u16string_view::npos);
    EXPECT_TRUE(escapeDecode(enc) == in) << utf16ToUtf8(enc);
  }
  EXPECT_EQ(view(escapeEncode(str16(u"a\tb\\"))), u"a\\tb\\\\");
}

// The cursor's start, then each token with the cursor after it; a token
// not emptied by the final failed next() shows as "!".
std::string walk(const char16_t* text, const char16_t* separators = Tokenizer::kDefaultSeparators) {
  Str16 whole = str16(text);
  Tokenizer t(whole, separators);
  std::string out = "@" + std::to_string(t.position());
  Str16 tok;
  while (t.next(tok)) out += " " + utf16ToUtf8(tok) + "@" + std::to_string(t.position());
  return out + (tok.size() ? "!" : "");
}

TEST(Tokenizer, SplitsAtTheSeparatorsAndLeavesTheCursorOnTheNextToken) {
  EXPECT_EQ(walk(u"  one\t two\r\n\fthree  "), "@2 one@7 two@13 three@20");
  EXPECT_EQ(walk(u"a,b;;c d", u",;"), "@0 a@2 b@5 c d@8");
  EXPECT_EQ(walk(u" \t "), "@3");
  Str16 text = str16(u"one two  three "), tok;
  Tokenizer t(text);
  t.next(tok);
  EXPECT_EQ(view(t.rest()), u"two  three ");
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

TEST(Crc32, StandardVectorsWholeAndInPieces) {
  for (auto [text, crc] : {std::pair{"", 0u},
                            {"a", 0xE8B7BE43u},
                            {"123456789", 0xCBF43926u},
                            {"The quick brown fox jumps over the lazy dog", 0x414FA339u}}) {
    size_t n = std::strlen(text);
    EXPECT_EQ(crc32(text, n), crc) << text;
    for (size_t cut = 0; cut <= n; ++cut)
      EXPECT_EQ(crc32(text + cut, n - cut, crc32(text, cut)), crc) << text << " cut at " << cut;
  }
}

TEST(Base64, Rfc4648Vectors) {
  const char* cases[][2] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
                            {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {"\xff\xfe\x3e", "//4+"}};
  for (auto& c : cases) EXPECT_EQ(view(base64Encode(c[0], std::strlen(c[0]))), c[1]) << c[0];
}

}  // namespace
}  // namespace orv
