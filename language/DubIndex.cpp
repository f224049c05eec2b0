#include "language/DubIndex.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "core/Fatal.h"
#include "core/Trace.h"
#include "language/CodePageCase.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv {

namespace {

// Files beyond this are not loaded: the buffer and its slack must stay
// addressable by signed 32-bit byte counts.
constexpr int64_t kMaxFileBytes = 1 << 30;

int64_t millisecondTicks() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Str16 withSuffix(const Str16& path, std::u16string_view suffix) {
  Str16 out(path);
  appendText(out, suffix);
  return out;
}

}  // namespace

DubIndex::DubIndex(const Str16& path, int width) : myPath(path), myWidth(width) {
  FATAL_CHECK("DubIndex::DubIndex()" && (width == kPlainNodeWidth || width == kCasedNodeWidth));
  setCodePage(0);
  load();
}

DubIndex::~DubIndex() { std::free(myDic); }

void DubIndex::setCodePage(unsigned codePage) {
  const CodePageCase& cc = codePageCase(codePage);
  std::memcpy(myUpper, cc.upper, sizeof myUpper);
  myCodePage = cc.codePage;
  mySingleByte = cc.singleByte;
}

Str8 DubIndex::multibyteCase(const char* word, int32_t len, uint32_t mask) const {
  Str16 w;
  multiByteToWide(myCodePage, word, len, w);
  for (int32_t i = 0; i < w.size() && i < 32; ++i)
    if (mask & (1u << i)) w[i] = charUpperW(w[i]);
  Str8 out;
  wideToMultiByte(myCodePage, w.data(), w.size(), out);
  return out;
}

void DubIndex::becomeEmpty() {
  changed();
  std::free(myDic);
  myDic = static_cast<unsigned char*>(std::malloc(1));
  FATAL_CHECK("DubIndex: out of memory" && myDic);
  mySize = myAllocated = 0;
}

void DubIndex::load() {
  std::string pathText = utf16ToUtf8(myPath);
  traceLine("DubIndex::class() %s\n", pathText.c_str());
  becomeEmpty();
  const char* problem = nullptr;
  if (FILE* f = openFile(myPath, "rb")) {
    int64_t len = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) len = std::ftell(f);
    std::rewind(f);
    if (len < 0) {
      problem = "cannot be measured";
    } else if (len > kMaxFileBytes) {
      problem = "is too large";
    } else if (len > 0) {
      unsigned char* buf = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(len)));
      FATAL_CHECK("DubIndex: out of memory" && buf);
      if (std::fread(buf, 1, static_cast<size_t>(len), f) != static_cast<size_t>(len)) {
        std::free(buf);
        problem = "cannot be read in full";
      } else {
        std::free(myDic);
        myDic = buf;
        myAllocated = static_cast<int32_t>(len);
        // A trailing part of a node is not a node.
        mySize = static_cast<int32_t>(len / myWidth * myWidth);
        if (!validate()) problem = "is not a valid index";
      }
    }
    std::fclose(f);
  }
  if (problem) {
    traceLine("DubIndex: the file %s %s; it is used as an empty index and set aside at the next save\n",
              pathText.c_str(), problem);
    becomeEmpty();
    myDamaged = true;
  }

  if (FILE* f = openFile(withSuffix(myPath, u".ch"), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) myCharList.add(static_cast<char>(c));
    std::fclose(f);
    traceLine("charlist size: %d\n", myCharList.size());
  }
}

bool DubIndex::validate() const {
  struct Frame {
    int32_t end;
    int prev;
  };
  // Depth d holds the letters at word position d, so a word of
  // kMaxWordLen letters ends at depth kMaxWordLen - 1.
  Frame stack[kMaxWordLen];
  int depth = 0;
  stack[0] = {nodeCount(), -1};
  int32_t pos = 0;
  for (;;) {
    Frame& f = stack[depth];
    if (pos == f.end) {
      if (depth == 0) return true;
      --depth;  // the parent run continues right after this subtree
      continue;
    }
    uint32_t nd = node(pos);
    uint32_t size = dubSize(nd);
    int ch = dubCh(nd);
    if (size == 0 || size > static_cast<uint32_t>(f.end - pos)) return false;
    if (ch == 0 || ch <= f.prev) return false;
    f.prev = ch;
    if (size == 1) {
      ++pos;
      continue;
    }
    if (depth + 1 >= kMaxWordLen) return false;
    stack[++depth] = {pos + static_cast<int32_t>(size), -1};
    ++pos;
  }
}

uint32_t DubIndex::nodeCaseMask(int32_t n) const {
  if (myWidth != kCasedNodeWidth) return 0;
  return dubRead32(myDic + static_cast<size_t>(n) * myWidth + 4);
}

int32_t DubIndex::walk(const unsigned char* w, int32_t len, int32_t pos, int32_t end, int32_t k) const {
  while (pos < end) {
    uint32_t nd = node(pos);
    uint32_t size = dubSize(nd);
    if (size == 0) return kNone;
    if (dubCh(nd) != w[k]) {
      pos += static_cast<int32_t>(size);
      continue;
    }
    if (k == len - 1) return pos;
    if (size == 1) return kNone;
    end = pos + static_cast<int32_t>(size);
    ++pos;
    ++k;
  }
  return kNone;
}

namespace {
inline uint32_t slotOf(uint32_t key, uint32_t mask) { return (key * 2654435761u) & mask; }
}  // namespace

void DubIndex::buildJumpTable() const {
  myJump.fill(kNone, 256 + 256 * 256);
  int32_t* j = myJump.data();
  int32_t third = 0;
  for (int pass = 0; pass < 2; ++pass) {
    // Pass 0 fills the dense tables and counts the three-letter prefixes;
    // pass 1 fills the hash of those (twice as many slots as prefixes).
    if (pass == 1) {
      uint32_t cap = 16;
      while (cap < static_cast<uint32_t>(third) * 2) cap *= 2;
      myJump3.fill(0, static_cast<int32_t>(cap) * 2);
    }
    uint32_t mask = static_cast<uint32_t>(myJump3.size() / 2) - 1;
    for (int32_t p = 0, end = nodeCount(); p < end;) {
      uint32_t nd = node(p);
      uint32_t size = dubSize(nd);
      j[dubCh(nd)] = p;
      for (int32_t q = p + 1, qEnd = p + static_cast<int32_t>(size); q < qEnd;) {
        uint32_t child = node(q);
        j[256 + dubCh(nd) * 256 + dubCh(child)] = q;
        for (int32_t r = q + 1, rEnd = q + static_cast<int32_t>(dubSize(child)); r < rEnd;) {
          uint32_t grand = node(r);
          if (pass == 0) {
            ++third;
          } else {
            uint32_t key = (static_cast<uint32_t>(dubCh(nd)) << 16 | dubCh(child) << 8 | dubCh(grand)) + 1;
            uint32_t slot = slotOf(key, mask);
            while (myJump3[static_cast<int32_t>(slot * 2)] != 0) slot = (slot + 1) & mask;
            myJump3[static_cast<int32_t>(slot * 2)] = static_cast<int32_t>(key);
            myJump3[static_cast<int32_t>(slot * 2 + 1)] = r;
          }
          r += static_cast<int32_t>(dubSize(grand));
        }
        q += static_cast<int32_t>(dubSize(child));
      }
      p += static_cast<int32_t>(size);
    }
  }
  myJumpReady = true;
}

int32_t DubIndex::jump3(const unsigned char* w) const {
  uint32_t key = (static_cast<uint32_t>(w[0]) << 16 | w[1] << 8 | w[2]) + 1;
  uint32_t mask = static_cast<uint32_t>(myJump3.size() / 2) - 1;
  const int32_t* t = myJump3.data();
  for (uint32_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
    if (t[slot * 2] == 0) return kNone;
    if (t[slot * 2] == static_cast<int32_t>(key)) return t[slot * 2 + 1];
  }
}

int32_t DubIndex::findT(const char* word, int32_t len, int32_t start, int32_t count) const {
  if (len <= 0) return kNone;
  const unsigned char* w = reinterpret_cast<const unsigned char*>(word);
  if (start == kNone && count == 0) {
    // Whole-tree look-ups jump over the three longest sibling runs. The tables
    // are rebuilt only once look-ups outnumber changes, so that filling an
    // index word by word never pays for it.
    if (!myJumpReady && mySize > 0 && ++myLookupsSinceChange > kJumpAfterLookups) buildJumpTable();
    if (myJumpReady) {
      int32_t n = myJump[w[0]];
      if (n == kNone || len == 1) return n;
      n = myJump[256 + w[0] * 256 + w[1]];
      if (n == kNone || len == 2) return n;
      n = jump3(w);
      if (n == kNone || len == 3) return n;
      uint32_t size = nodeSize(n);
      return size == 1 ? kNone : walk(w, len, n + 1, n + static_cast<int32_t>(size), 3);
    }
  }
  if (start == kNone) start = 0;
  if (count == 0) count = nodeCount() - start;
  FATAL_CHECK("DubIndex::findT()" && start >= 0 && count >= 0 && start + count <= nodeCount());
  return walk(w, len, start, start + count, 0);
}

void DubIndex::changed() {
  myJumpReady = false;
  myLookupsSinceChange = 0;
}

bool DubIndex::hasWord(const char* word, int32_t len) const {
  if (mySize == 0) return false;
  int32_t n = findT(word, len);
  return n != kNone && nodeIsEnd(n);
}

DubIndex::EntryPoint DubIndex::findEntryPoint(const char* word, int32_t len, int32_t start, int32_t count) const {
  if (len <= 0) return {kNone, 0};
  if (mySize == 0) {
    traceLine("============================ in empty dic\n");
    return {0, len};
  }
  if (start == kNone) start = 0;
  if (count == 0) count = nodeCount() - start;
  FATAL_CHECK("DubIndex::findEntryPoint()" && start >= 0 && count >= 0 && start + count <= nodeCount());
  const unsigned char* w = reinterpret_cast<const unsigned char*>(word);
  int32_t pos = start, end = start + count, k = 0;
  int32_t missing = len;
  for (;;) {
    if (pos >= end) return {end, missing};
    uint32_t nd = node(pos);
    unsigned char ch = dubCh(nd);
    uint32_t size = dubSize(nd);
    if (ch > w[k]) return {pos, missing};
    if (ch < w[k]) {
      pos += static_cast<int32_t>(size);
      continue;
    }
    if (k == len - 1) return {kNone, 0};
    if (size == 1) return {pos + 1, missing - 1};
    end = pos + static_cast<int32_t>(size);
    ++pos;
    ++k;
    --missing;
  }
}

int DubIndex::addWord(const char* word, int32_t len) {
  if (len <= 0 || len > kMaxWordLen) return 0;
  if (std::memchr(word, 0, static_cast<size_t>(len))) return 0;
  if (hasWord(word, len)) return 0;
  EntryPoint ep = findEntryPoint(word, len);
  if (ep.pos == kNone) {
    int32_t n = findT(word, len);
    setNode(n, node(n) | kDubEndBit);
    changed();
    return 1;
  }
  const int32_t missing = ep.missing;
  const int32_t shared = len - missing;
  // The ancestors lie before the entry point, so the move below leaves their
  // positions unchanged.
  int32_t ancestors[kMaxWordLen];
  for (int32_t j = 1; j <= shared; ++j) {
    ancestors[j - 1] = findT(word, j);
    if (nodeSize(ancestors[j - 1]) + static_cast<uint32_t>(missing) > kDubMaxSubtree) return 0;
  }
  if (static_cast<int64_t>(mySize) + static_cast<int64_t>(missing) * myWidth + kSlack > INT32_MAX) return 0;

  const int32_t tailBytes = mySize - ep.pos * myWidth;
  mySize += missing * myWidth;
  if (mySize > myAllocated) {
    myAllocated = mySize + kSlack;
    unsigned char* grown = static_cast<unsigned char*>(std::realloc(myDic, static_cast<size_t>(myAllocated)));
    FATAL_CHECK("DubIndex: out of memory" && grown);
    myDic = grown;
    traceLine("realloc allocatedSize=%d %d\n", myAllocated, myWidth);
  }
  unsigned char* at = myDic + static_cast<size_t>(ep.pos) * myWidth;
  int64_t t0 = millisecondTicks();
  std::memmove(at + static_cast<size_t>(missing) * myWidth, at, static_cast<size_t>(tailBytes));
  if (millisecondTicks() != t0) {
    Str8 oem = toNarrow(toWide(Str8(word, len), 0), kCpOem);
    traceLine("word '%s' mv_sz=%d dic=%p size=%d\n", oem.data(), tailBytes, static_cast<void*>(myDic), mySize);
  }
  for (int32_t i = 0; i < missing; ++i) {
    char c = word[shared + i];
    setNode(ep.pos + i, dubMake(static_cast<unsigned char>(c), static_cast<uint32_t>(missing - i), i == missing - 1));
    if (myWidth == kCasedNodeWidth) dubWrite32(at + static_cast<size_t>(i) * myWidth + 4, 0);
    myCharList.add(c);
  }
  for (int32_t j = 0; j < shared; ++j) {
    uint32_t nd = node(ancestors[j]);
    setNode(ancestors[j], dubMake(dubCh(nd), dubSize(nd) + static_cast<uint32_t>(missing), dubIsEnd(nd)));
  }
  // Only now: the look-ups above may have built the jump tables over the
  // nodes as they stood before the move.
  changed();
  return 1;
}

bool DubIndex::setDamagedFileAside() {
  if (!pathExists(myPath)) return true;
  Str16 aside = withSuffix(myPath, u".bad");
  for (int i = 1; pathExists(aside); ++i) {
    if (i > 999) return false;
    aside = withSuffix(myPath, u".");
    aside.append(utf8ToUtf16(std::to_string(i)));
    appendText(aside, u".bad");
  }
  if (!renameFile(myPath, aside)) return false;
  traceLine("DubIndex: the damaged file %s was renamed to %s\n", utf16ToUtf8(myPath).c_str(),
            utf16ToUtf8(aside).c_str());
  return true;
}

int DubIndex::saveToFile(const Str16& path) {
  if (myDamaged) {
    // Never replace a file we could not read: keep it for inspection.
    if (!setDamagedFileAside()) return 0;
    myDamaged = false;
  }
  if (!writeFileAtomically(path, myDic, static_cast<size_t>(mySize))) return 0;
  AtomicFile ch(withSuffix(path, u".ch"));
  for (int32_t i = 0; i < myCharList.size(); ++i) ch.write(&myCharList.at(i), 1);
  return ch.commit() ? 1 : 0;
}

void DubIndex::exportRun(int32_t start, int32_t count, char* word, int32_t depth, WordVisitor visit,
                         void* ctx) const {
  int32_t pos = start, end = start + count;
  while (pos < end) {
    uint32_t nd = node(pos);
    uint32_t size = dubSize(nd);
    if (size == 0) break;
    word[depth] = static_cast<char>(dubCh(nd));
    word[depth + 1] = 0;
    if (dubIsEnd(nd)) visit(word, depth + 1, ctx);
    if (size > 1) exportRun(pos + 1, static_cast<int32_t>(size) - 1, word, depth + 1, visit, ctx);
    pos += static_cast<int32_t>(size);
  }
  word[depth] = 0;
}

void DubIndex::forEachWord(WordVisitor visit, void* context) const {
  char word[kMaxWordLen + 2] = {};
  if (mySize > 0) exportRun(0, nodeCount(), word, 0, visit, context);
}

void DubIndex::writeWordList(FILE* stream, const char* lineEnd) const {
  struct Ctx {
    FILE* f;
    const char* eol;
  } ctx{stream, lineEnd};
  forEachWord(
      [](const char* w, int32_t len, void* c) {
        Ctx* x = static_cast<Ctx*>(c);
        std::fwrite(w, 1, static_cast<size_t>(len), x->f);
        std::fputs(x->eol, x->f);
      },
      &ctx);
}

bool DubIndex::nextWalk(const unsigned char* key, int32_t keyLen, int32_t start, int32_t count, int32_t k,
                        char* out, int32_t outPos, bool& passed) const {
  int32_t pos = start, end = start + count;
  unsigned keyCh = k < keyLen ? key[k] : 0;  // a used-up key: every letter is greater
  while (pos < end) {
    uint32_t nd = node(pos);
    uint32_t size = dubSize(nd);
    if (size == 0) break;
    unsigned ch = dubCh(nd);
    out[outPos] = static_cast<char>(ch);
    out[outPos + 1] = 0;
    if (ch > keyCh) passed = true;
    if (ch == keyCh || passed) {
      if (passed && dubIsEnd(nd)) return true;
      if (dubIsEnd(nd) && k == keyLen - 1) passed = true;
      if (size > 1 && nextWalk(key, keyLen, pos + 1, static_cast<int32_t>(size) - 1, k + 1, out, outPos + 1, passed))
        return true;
    }
    pos += static_cast<int32_t>(size);
  }
  out[outPos] = 0;
  return false;
}

bool DubIndex::findNext(const Str8& key, Str8& out) const {
  out.clear();
  if (mySize == 0) return false;
  char buf[kMaxWordLen + 2] = {};
  bool passed = false;
  const unsigned char* k = reinterpret_cast<const unsigned char*>(key.data());
  if (!nextWalk(k, key.size(), 0, nodeCount(), 0, buf, 0, passed)) return false;
  appendText(out, buf);
  return true;
}

SetT<Str8> DubIndex::collectWords(const Str8& prefix, int32_t max) const {
  SetT<Str8> result;
  if (prefix.size() > kMaxWordLen) return result;  // no stored word is that long
  Str8 key(prefix), next;
  for (int32_t i = 0; i < max; ++i) {
    if (!findNext(key, next)) break;
    if (next.size() < prefix.size() || std::memcmp(next.data(), prefix.data(), prefix.size()) != 0) break;
    result.add(next);
    key.swap(next);
  }
  return result;
}

Str8 DubIndex::restoreCase(const char* word, int32_t len) const {
  Str8 out;
  int32_t n = findT(word, len);
  if (n == kNone) return out;
  uint32_t mask = nodeCaseMask(n);
  if (!mySingleByte) return multibyteCase(word, len, mask);
  out.append(word, len);
  for (int32_t i = 0; i < len && i < 32; ++i)
    if (mask & (1u << i)) out[i] = static_cast<char>(myUpper[static_cast<unsigned char>(out[i])]);
  return out;
}

Str8 DubIndex::restoreCase(const Str8& word) const { return restoreCase(word.data(), word.size()); }

bool DubIndex::caseMatches(int32_t n, const char* lower, const char* typed, int32_t len) const {
  uint32_t mask = nodeCaseMask(n);
  if (!mySingleByte) {
    Str8 cased = multibyteCase(lower, len, mask);
    return cased.size() == len && std::memcmp(cased.data(), typed, static_cast<size_t>(len)) == 0;
  }
  for (int32_t i = 0; i < len; ++i) {
    unsigned char c = static_cast<unsigned char>(lower[i]);
    if (i < 32 && (mask & (1u << i))) c = myUpper[c];
    if (static_cast<char>(c) != typed[i]) return false;
  }
  return true;
}

void DubIndex::setCaseMask(const Str8& word, uint32_t mask) {
  if (myWidth != kCasedNodeWidth) return;
  int32_t n = findT(word);
  if (n == kNone) return;
  dubWrite32(myDic + static_cast<size_t>(n) * myWidth + 4, mask);
}

}  // namespace orv
