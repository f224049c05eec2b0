// Spelling suggestions: which edits give candidates, and the bounds of the
// word and of the result buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "language/Suggest.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

struct Suggestions : ::testing::Test {
  test::ScratchFolder dir;
  DubIndex index{dir.file("s.ldic"), kPlainNodeWidth};
  void SetUp() override {
    for (const char* w : {"at", "cat", "dog", "act"}) index.addWord(w, int32_t(std::strlen(w)));
  }
  // The word is handed over in a buffer of exactly its length, without a
  // terminator, so that a read past its end is one past the allocation.
  std::vector<std::string> of(const std::string& word, int32_t bufferSize = kSuggestBufferBytes) {
    std::unique_ptr<char[]> w(new char[word.size()]);
    std::memcpy(w.get(), word.data(), word.size());
    std::unique_ptr<char[]> buf(new char[size_t(bufferSize)]);
    int32_t n = suggest(index, w.get(), int32_t(word.size()), buf.get(), bufferSize);
    EXPECT_LE(n, bufferSize);
    std::vector<std::string> out;
    for (int32_t p = 0; p < n && n <= bufferSize; p += int32_t(std::strlen(buf.get() + p)) + 1)
      out.emplace_back(buf.get() + p);
    return out;
  }
};

using Strings = std::vector<std::string>;

TEST_F(Suggestions, EachEditGivesItsCandidatesAndDeletionsNeedFourLetters) {
  EXPECT_EQ(of("cxt"), Strings{"cat"});              // a letter substituted
  EXPECT_EQ(of("dgo"), Strings{"dog"});              // neighbours exchanged
  EXPECT_EQ(of("ct"), (Strings{"at", "act", "cat"}));  // substituted, then inserted
  EXPECT_EQ(of("dxog"), Strings{"dog"});             // a letter deleted from four
  EXPECT_EQ(of("axt"), Strings{"act"});              // but not from three ("at")
  EXPECT_EQ(of(std::string(100, 'a')), Strings{});   // too long to try
}

TEST_F(Suggestions, ACandidateWithoutRoomForItsTerminatorIsDropped) {
  EXPECT_EQ(of("cxt", 4), Strings{"cat"});
  EXPECT_EQ(of("cxt", 3), Strings{});
}

}  // namespace
}  // namespace orv
