#pragma once
// DubIndex: the word store behind every dictionary. A prefix tree of 8-bit
// words serialised in preorder into one buffer that is, byte for byte, the
// index file (DubNode.h gives the node layout). A node is followed by the
// subtrees of its children; `size` nodes after a node comes its next sibling.
// Within a sibling run letters are distinct and ascend as unsigned bytes.
//
// Two widths share every algorithm: the plain index (4-byte nodes, ".ldic",
// lower-case words) and the cased index (8-byte nodes, ".udic", a capital
// mask on every word's last node).
//
// Safety: a file is validated once when it is loaded (every run tiles its
// parent exactly, no node of size 0, letters ascend, no letter 0, no word
// longer than kMaxWordLen). A file that fails loads as an empty index, is
// reported on the trace channel, and is renamed aside (".bad") before the
// index is next saved. Lookups then never leave the buffer, and insertion
// keeps every invariant, so no later input can make a walk run away.
//
// Lookups allocate nothing. Node positions are node numbers (0 = the first
// node of the buffer); kNone stands for "none".

#include <cstdint>
#include <cstdio>

#include "core/SetT.h"
#include "core/Str.h"
#include "language/DubNode.h"

namespace orv {

class DubIndex {
 public:
  static constexpr int32_t kNone = -1;
  static constexpr int32_t kMaxWordLen = 99;
  static constexpr int32_t kSlack = 100000;

  struct EntryPoint {
    int32_t pos;      // node number to insert before (may be the node count), or kNone
    int32_t missing;  // letters of the word not yet in the tree
  };

  // Loads the index file at `path` and its character list (path + ".ch").
  // `width` is kPlainNodeWidth or kCasedNodeWidth.
  DubIndex(const Str16& path, int width);
  ~DubIndex();
  DubIndex(const DubIndex&) = delete;
  DubIndex& operator=(const DubIndex&) = delete;

  int width() const { return myWidth; }
  int32_t nodeCount() const { return mySize / myWidth; }
  int32_t byteSize() const { return mySize; }
  int32_t allocatedSize() const { return myAllocated; }
  const unsigned char* bytes() const { return myDic; }
  const Str16& path() const { return myPath; }
  bool empty() const { return mySize == 0; }
  // True when the file failed validation at load and has not been set aside yet.
  bool isDamaged() const { return myDamaged; }

  // The code page of the words: it decides how restoreCase makes capitals.
  // 0 (the system's ANSI code page) until the owner sets another.
  void setCodePage(unsigned codePage);

  unsigned char nodeCh(int32_t n) const { return dubCh(node(n)); }
  uint32_t nodeSize(int32_t n) const { return dubSize(node(n)); }
  bool nodeIsEnd(int32_t n) const { return dubIsEnd(node(n)); }
  uint32_t nodeCaseMask(int32_t n) const;

  // The node of the word's last letter, searching the run of `count` nodes
  // from `start` (kNone: the first node; 0: the whole buffer); kNone if absent.
  int32_t findT(const char* word, int32_t len, int32_t start = kNone, int32_t count = 0) const;
  int32_t findT(const Str8& word) const { return findT(word.data(), word.size()); }
  bool hasWord(const char* word, int32_t len) const;
  bool hasWord(const Str8& word) const { return hasWord(word.data(), word.size()); }

  // Where the part of the word that is not in the tree yet goes.
  EntryPoint findEntryPoint(const char* word, int32_t len, int32_t start = kNone, int32_t count = 0) const;

  // 1 when the word was added (or an existing prefix became a word); 0 when
  // it was empty, already stored, 100 bytes or longer, held a zero byte, or
  // would overflow a subtree.
  int addWord(const Str8& word) { return addWord(word.data(), word.size()); }
  int addWord(const char* word, int32_t len);

  // Writes the index to `path` and its character list to path + ".ch", each
  // through a temporary file, so a failed save leaves the old files. A
  // damaged file that was loaded is first renamed aside. 1 on success.
  int saveToFile(const Str16& path);

  // Every stored word in ascending unsigned-byte order, each before its own
  // extensions, in stored (lower) case.
  using WordVisitor = void (*)(const char* word, int32_t len, void* context);
  void forEachWord(WordVisitor visit, void* context) const;
  void writeWordList(FILE* stream, const char* lineEnd = "\n") const;

  // The first stored word greater than `key` in tree order; false if none.
  bool findNext(const Str8& key, Str8& out) const;
  // Up to `max` stored words that extend `prefix` (never the prefix itself).
  SetT<Str8> collectWords(const Str8& prefix, int32_t max) const;

  SetT<char> getCharList() const { return myCharList; }
  const SetT<char>& charList() const { return myCharList; }

  // Cased index only.
  Str8 restoreCase(const Str8& word) const;
  Str8 restoreCase(const char* word, int32_t len) const;
  void setCaseMask(const Str8& word, uint32_t mask);
  // Whether `typed` is the lower-case word `lower` (whose last node is `n`)
  // with exactly the stored capitals; no allocation in a single-byte code page.
  bool caseMatches(int32_t n, const char* lower, const char* typed, int32_t len) const;

 private:
  uint32_t node(int32_t n) const { return dubRead32(myDic + static_cast<size_t>(n) * myWidth); }
  void setNode(int32_t n, uint32_t v) { dubWrite32(myDic + static_cast<size_t>(n) * myWidth, v); }
  int32_t walk(const unsigned char* w, int32_t len, int32_t pos, int32_t end, int32_t k) const;
  void buildJumpTable() const;
  int32_t jump3(const unsigned char* w) const;
  void changed();
  void load();
  bool validate() const;
  void becomeEmpty();
  bool setDamagedFileAside();
  bool nextWalk(const unsigned char* key, int32_t keyLen, int32_t start, int32_t count, int32_t k,
                char* out, int32_t outPos, bool& passed) const;
  void exportRun(int32_t start, int32_t count, char* word, int32_t depth, WordVisitor visit, void* ctx) const;

  unsigned char* myDic = nullptr;
  int32_t mySize = 0;
  int32_t myAllocated = 0;
  Str16 myPath;
  SetT<char> myCharList;
  int myWidth;
  bool myDamaged = false;
  unsigned char myUpper[256];  // byte -> its capital in the words' code page
  // In a multibyte code page (UTF-8, 932, ...) a capital is no byte of its
  // own: the mask's bit i stands for UTF-16 character i of the word, and
  // capitals are made on the whole word.
  unsigned myCodePage = 0;
  bool mySingleByte = true;
  Str8 multibyteCase(const char* word, int32_t len, uint32_t mask) const;
  // Node of each first letter (256 entries), then of each two-letter prefix
  // (256 x 256); kNone where absent. myJump3: an open-addressing hash of the
  // three-letter prefixes, pairs (prefix + 1, node), 0 = free. Valid only
  // while myJumpReady.
  static constexpr int32_t kJumpAfterLookups = 64;
  mutable ArrT<int32_t> myJump;
  mutable ArrT<int32_t> myJump3;
  mutable bool myJumpReady = false;
  mutable int32_t myLookupsSinceChange = 0;
};

}  // namespace orv
