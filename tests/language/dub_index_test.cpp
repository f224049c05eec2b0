// DubIndex: the byte layout of insertions, the ordered walk, capitals, the
// files, and what a damaged file does. (The export's order is checked through
// the dictionary set's export.)

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "core/Trace.h"
#include "language/DubIndex.h"
#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

std::string bytesOf(const DubIndex& d) { return std::string(reinterpret_cast<const char*>(d.bytes()), d.byteSize()); }

// Both builds run on little-endian x86, the byte order of the index files.
std::string le32(uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string plainNode(unsigned char ch, uint32_t size, bool end) { return le32(dubMake(ch, size, end)); }
std::string casedNode(unsigned char ch, uint32_t size, bool end, uint32_t mask) {
  return plainNode(ch, size, end) + le32(mask);
}

struct IndexTest : ::testing::Test {
  ScratchFolder dir;
  DubIndex d{dir.file("x.ldic"), kPlainNodeWidth};
  DubIndex cased{dir.file("x.udic"), kCasedNodeWidth};
};

TEST_F(IndexTest, InsertionsGiveTheExactBuffers) {
  EXPECT_EQ(d.addWord(str8("ab")), 1);
  EXPECT_EQ(d.addWord(str8("abc")), 1);
  EXPECT_EQ(bytesOf(d), plainNode('a', 3, false) + plainNode('b', 2, true) + plainNode('c', 1, true));

  // A stored path only gains its end mark; no bytes move.
  EXPECT_EQ(d.addWord(str8("a")), 1);
  EXPECT_EQ(bytesOf(d), plainNode('a', 3, true) + plainNode('b', 2, true) + plainNode('c', 1, true));
  EXPECT_EQ(d.addWord(str8("a")), 0);
  EXPECT_EQ(d.addWord(str8("")), 0);
}

TEST_F(IndexTest, SiblingsAscendAsUnsignedBytes) {
  d.addWord(str8("c"));
  d.addWord(str8("b"));
  d.addWord(str8("\xE0"));
  EXPECT_EQ(bytesOf(d), plainNode('b', 1, true) + plainNode('c', 1, true) + plainNode(0xE0, 1, true));
  EXPECT_TRUE(d.hasWord(str8("\xE0")));
  EXPECT_FALSE(d.hasWord(str8("d")));
}

TEST_F(IndexTest, CasedNodesCarryTheirMask) {
  cased.addWord(str8("ab"));
  cased.setCaseMask(str8("ab"), 1);
  cased.addWord(str8("aa"));  // goes before b; the masks move with their nodes
  EXPECT_EQ(bytesOf(cased), casedNode('a', 3, false, 0) + casedNode('a', 1, true, 0) + casedNode('b', 1, true, 1));
}

TEST_F(IndexTest, LookupsFindNodesAndWhereAMissingWordWouldGo) {
  EXPECT_EQ(d.findEntryPoint("ab", 2).pos, 0);
  EXPECT_EQ(d.findEntryPoint("ab", 2).missing, 2);
  d.addWord(str8("ab"));
  d.addWord(str8("b"));
  for (auto [word, pos] : {std::pair{"a", 0}, {"ab", 1}, {"b", 2}, {"abc", DubIndex::kNone}})
    EXPECT_EQ(d.findT(str8(word)), pos) << word;
  EXPECT_EQ(d.findT("b", 1, 1, 1), 1);  // searching only the children of a
  EXPECT_EQ(d.findEntryPoint("ab", 2).pos, DubIndex::kNone);
  for (auto [word, pos] : {std::pair{"abz", 2}, {"aa", 1}, {"c", 3}}) {
    DubIndex::EntryPoint e = d.findEntryPoint(word, int32_t(std::strlen(word)));
    EXPECT_EQ(e.pos, pos) << word;
    EXPECT_EQ(e.missing, 1) << word;
  }
}

TEST_F(IndexTest, TheWalkAndTheCollectionFollowTreeOrder) {
  for (const char* w : {"ab", "abc", "b"}) d.addWord(str8(w));
  Str8 out;
  // "a" and "az" are not words, "a" is a prefix; nothing follows "b"
  for (auto [from, next] : {std::pair{"ab", "abc"}, {"abc", "b"}, {"", "ab"}, {"a", "ab"}, {"az", "b"}, {"b", ""}}) {
    out.clear();
    EXPECT_EQ(d.findNext(str8(from), out), *next != 0) << from;
    EXPECT_EQ(view(out), next) << from;
  }

  // the prefix, the most words asked for, how many come
  for (auto [prefix, max, count] : {std::tuple{"ab", 10, 1}, {"a", 10, 2}, {"a", 1, 1}, {"x", 10, 0}})
    EXPECT_EQ(d.collectWords(str8(prefix), max).size(), count) << prefix << " " << max;
  EXPECT_EQ(view(d.collectWords(str8("ab"), 10).at(0)), "abc");
}

TEST_F(IndexTest, RestoreCaseAppliesTheMask) {
  cased.addWord(str8("paris"));
  cased.setCaseMask(str8("paris"), 1);
  EXPECT_EQ(view(cased.restoreCase(str8("paris"))), "Paris");
  EXPECT_EQ(view(cased.restoreCase(str8("par"))), "par");  // a prefix: mask 0
  EXPECT_EQ(view(cased.restoreCase(str8("rome"))), "");
  cased.setCaseMask(str8("paris"), 0x1F);
  EXPECT_EQ(view(cased.restoreCase(str8("paris"))), "PARIS");
}

TEST_F(IndexTest, LongWordsAreRefused) {
  EXPECT_EQ(d.addWord(Str8(std::string(100, 'a').c_str(), 100)), 0);
  EXPECT_TRUE(d.empty());
  EXPECT_EQ(d.addWord(Str8(std::string(99, 'a').c_str(), 99)), 1);
  EXPECT_EQ(d.addWord(Str8("a\0b", 3)), 0);  // a zero byte would end the word early in every export
  Str8 out;
  ASSERT_TRUE(d.findNext(str8(""), out));
  EXPECT_EQ(out.size(), 99);
}

TEST_F(IndexTest, SaveAndLoadKeepEveryByteAndTheCharListAndASaveWithoutItsFolderFails) {
  Str16 path = dir.file("x.ldic");
  for (const char* w : {"b", "ab", "\xE0z"}) d.addWord(str8(w));
  ASSERT_EQ(d.saveToFile(path), 1);
  const std::string saved = bytesOf(d);
  EXPECT_EQ(readBytes(path), saved);
  EXPECT_EQ(readBytes(dir.file("x.ldic.ch")), "\xE0" "abz");  // set order compares signed bytes
  EXPECT_FALSE(pathExists(dir.file("x.ldic.tmp")));

  DubIndex again(path, kPlainNodeWidth);
  EXPECT_EQ(bytesOf(again), saved);
  EXPECT_EQ(again.getCharList().size(), 4);
  EXPECT_EQ(again.saveToFile(dir.file("no/such/folder/x.ldic")), 0);
}

// Damaged files: each loads as an empty index, says so on the trace
// channel, still takes words, and is set aside at the next save.
// A chain of `depth` single-letter levels, the last one a word.
std::string chain(int depth) {
  std::string s;
  for (int i = 0; i < depth; ++i) s += plainNode('a', static_cast<uint32_t>(depth - i), i == depth - 1);
  return s;
}

TEST_F(IndexTest, DamagedFilesLoadEmptyAndAreKeptAside) {
  const std::pair<const char*, std::string> cases[] = {
      {"sibling run overruns its parent", plainNode('a', 2, false) + plainNode('b', 2, true) + plainNode('c', 1, true)},
      {"top run overruns the buffer", plainNode('a', 5, false) + plainNode('b', 1, true)},
      {"node of size 0", plainNode('a', 0, true) + plainNode('b', 1, true)},
      {"letters out of order", plainNode('b', 1, true) + plainNode('a', 1, true)},
      {"repeated letter", plainNode('a', 1, true) + plainNode('a', 1, true)},
      {"letter zero", plainNode(0, 1, true)},
      {"truncated", (plainNode('a', 3, false) + plainNode('b', 2, false) + plainNode('c', 1, true)).substr(0, 9)},
      {"100 levels deep", chain(100)},
  };
  // The first one finds an older damaged copy in the way: that stays, and the next free name is taken.
  ASSERT_TRUE(writeBytes(dir.file("d0.ldic.bad"), "older"));
  for (size_t n = 0; n < std::size(cases); ++n) {
    const auto& [what, bytes] = cases[n];
    SCOPED_TRACE(what);
    const std::string name = "d" + std::to_string(n) + ".ldic";
    Str16 path = dir.file(name);
    ASSERT_TRUE(writeBytes(path, bytes));
    TraceCapture trace;
    DubIndex damaged(path, kPlainNodeWidth);
    EXPECT_TRUE(damaged.empty());
    EXPECT_TRUE(damaged.isDamaged());
    EXPECT_NE(trace.text().find("is not a valid index"), std::string::npos);
    EXPECT_EQ(damaged.addWord(str8("ok")), 1);
    ASSERT_EQ(damaged.saveToFile(path), 1);
    EXPECT_EQ(readBytes(dir.file(name + (n == 0 ? ".1.bad" : ".bad"))), bytes);
    EXPECT_TRUE(DubIndex(path, kPlainNodeWidth).hasWord(str8("ok")));
  }
  EXPECT_EQ(readBytes(dir.file("d0.ldic.bad")), "older");
}

// Not damaged: the trailing bytes of a partial node are ignored, and 99
// levels are not too deep.
TEST_F(IndexTest, FilesAtTheEdgeOfDamageLoad) {
  const std::string ninetyNine(99, 'a');
  for (auto [bytes, nodes, word] : {std::tuple{plainNode('a', 1, true) + plainNode('b', 1, true) + "zz", 2, "b"},
                                    {chain(99), 99, ninetyNine.c_str()}}) {
    ASSERT_TRUE(writeBytes(dir.file("edge.ldic"), bytes));
    DubIndex e(dir.file("edge.ldic"), kPlainNodeWidth);
    EXPECT_EQ(e.nodeCount(), nodes);
    EXPECT_TRUE(e.hasWord(str8(word)));
  }
}

// Insertion never leaves the look-up tables describing nodes it has moved,
// even when its own prefix search is the look-up that builds them.
TEST_F(IndexTest, LookupsStayRightAfterAnInsertionThatBuiltTheJumpTables) {
  const std::string as(70, 'a');
  ASSERT_EQ(d.addWord(as.c_str(), 70), 1);
  ASSERT_EQ(d.addWord(str8("ca")), 1);
  ASSERT_EQ(d.addWord((as + "x").c_str(), 71), 1);  // 70 prefix look-ups, then a move
  EXPECT_TRUE(d.hasWord(str8("ca")));
  EXPECT_TRUE(d.hasWord(as.c_str(), 70));
  EXPECT_TRUE(d.hasWord((as + "x").c_str(), 71));
}

// A file whose first top-level subtree has `size` nodes, built as a wide
// tree (letters 0x20 upwards, at most 200 siblings a run, so 0xFF is free at
// every level).
void appendRun(std::string& out, uint32_t count) {
  uint32_t per = (count + 199) / 200;
  for (unsigned char letter = 0x20; count > 0; ++letter) {
    uint32_t s = per < count ? per : count;
    out += plainNode(letter, s, true);
    appendRun(out, s - 1);
    count -= s;
  }
}

TEST_F(IndexTest, ASubtreeNeverGrowsPastItsLimit) {
  std::string bytes = plainNode('a', kDubMaxSubtree - 1, true);
  appendRun(bytes, kDubMaxSubtree - 2);
  Str16 path = dir.file("big.ldic");
  ASSERT_TRUE(writeBytes(path, bytes));
  bytes = std::string();
  DubIndex big(path, kPlainNodeWidth);
  ASSERT_FALSE(big.isDamaged());
  EXPECT_EQ(big.addWord(str8("a\xFF\xFF")), 0);  // two more nodes: one too many
  EXPECT_EQ(big.addWord(str8("a\xFF")), 1);      // one more: exactly the limit
  EXPECT_EQ(big.nodeSize(0), kDubMaxSubtree);
  EXPECT_EQ(big.addWord(str8("a\xFE")), 0);
  EXPECT_EQ(big.addWord(str8("b")), 1);  // the next subtree is a tree of its own
  for (auto [word, known] : {std::pair{"a\xFF", true}, {"a ", true}, {"a\xFE", false}, {"b", true}})
    EXPECT_EQ(big.hasWord(str8(word)), known) << word;
}

}  // namespace
}  // namespace orv
