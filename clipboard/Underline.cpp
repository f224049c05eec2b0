#include "clipboard/Underline.h"

#include <vector>

#include "core/SynchObject.h"
#include "language/DictionarySet.h"
#include "platform/Text.h"

namespace orv {

// How a code page turns a word into the dictionary's bytes. Single-byte pages
// get a table of every code unit they hold, made once; others convert each
// word and keep it only when it converts back unchanged.
struct DictionaryWordCheck::Page {
  int32_t codePage = 0;
  bool singleByte = false;
  std::vector<char> table;  // by code unit; 0: the page has no byte for it

  explicit Page(int32_t cp) : codePage(cp) {
    if (!isCodePageValid(static_cast<unsigned>(cp))) return;
    table.assign(0x10000, 0);
    singleByte = true;
    for (int b = 0xFF; b >= 1 && singleByte; --b) {
      char byte = static_cast<char>(b);
      Str16 wide;
      if (!multiByteToWide(static_cast<unsigned>(cp), &byte, 1, wide) || wide.size() != 1 || wide[0] == 0xFFFD)
        singleByte = false;
      else
        table[wide[0]] = byte;  // going down, the lowest byte of a code unit wins
    }
    if (!singleByte) table.clear();
  }

  bool convert(std::u16string_view word, Str8& out) const {
    out.clear();
    if (singleByte) {
      for (char16_t c : word) {
        char b = table[c];
        if (b == 0) return false;
        out.append(b);
      }
      return true;
    }
    Str16 back;
    return wideToMultiByte(static_cast<unsigned>(codePage), word.data(), static_cast<int32_t>(word.size()), out) &&
           multiByteToWide(static_cast<unsigned>(codePage), out.data(), out.size(), back) && view(back) == word;
  }
};

DictionaryWordCheck::DictionaryWordCheck(DictionarySet& set) : mySet(set) {}

DictionaryWordCheck::~DictionaryWordCheck() {
  for (Page* p : myPages) delete p;
}

bool DictionaryWordCheck::isWord(std::u16string_view word) {
  if (word.empty()) return false;
  SynchObject::Guard g(mySet.lock());
  int32_t lastPage = -1;
  bool converted = false;
  Str8 bytes;
  for (int32_t i = 0; i < mySet.size(); ++i) {
    IDictionary* d = mySet.at(i);
    const int32_t cp = d->getCodePage();
    if (cp != lastPage) {
      Page* page = nullptr;
      for (Page* p : myPages)
        if (p->codePage == cp) page = p;
      if (!page) {
        page = new Page(cp);
        myPages.append(page);
      }
      lastPage = cp;
      converted = page->convert(word, bytes);
    }
    if (converted && d->isWord(bytes)) return true;
  }
  return false;
}

namespace {

bool isLetter(char16_t c) { return isCharAlphaW(c); }

}  // namespace

TextRun wordAt(std::u16string_view text, int32_t pos) {
  const int32_t n = static_cast<int32_t>(text.size());
  if (pos < 0 || pos > n) return {};
  if (pos == n || !isLetter(text[pos])) {
    if (pos == 0 || !isLetter(text[pos - 1])) return {};
    --pos;
  }
  int32_t b = pos, e = pos + 1;
  while (b > 0 && isLetter(text[b - 1])) --b;
  while (e < n && isLetter(text[e])) ++e;
  return {b, e - b};
}

ArrT<TextRun> findMisspelt(std::u16string_view text, const ArrT<int32_t>& lineStarts, WordCheck& check) {
  ArrT<TextRun> out;
  const int32_t n = static_cast<int32_t>(text.size());
  // The line of a position only grows along the walk.
  int32_t line = 0;
  auto lineOf = [&](int32_t pos) {
    while (line + 1 < lineStarts.size() && lineStarts[line + 1] <= pos) ++line;
    return line;
  };
  for (int32_t i = 0; i < n;) {
    if (!isLetter(text[i])) {
      ++i;
      continue;
    }
    int32_t start = i;
    while (i < n && isLetter(text[i])) ++i;
    if (lineOf(start) != lineOf(i - 1)) continue;
    if (!check.isWord(text.substr(static_cast<size_t>(start), static_cast<size_t>(i - start))))
      out.append(TextRun{start, i - start});
  }
  return out;
}

// Answers from the window's earlier passes first. The table is dropped when
// it grows past kMaxWords, so that a long session cannot grow it without end.
class UnderlineState::Memo : public WordCheck {
 public:
  static constexpr size_t kMaxWords = 200000;
  Memo(UnderlineState& state, WordCheck& inner) : myState(state), myInner(inner) {}
  bool isWord(std::u16string_view word) override {
    std::u16string key(word);
    auto it = myState.myKnown.find(key);
    if (it != myState.myKnown.end()) return it->second;
    bool known = myInner.isWord(word);
    if (myState.myKnown.size() >= kMaxWords) myState.myKnown.clear();
    myState.myKnown.emplace(std::move(key), known);
    return known;
  }

 private:
  UnderlineState& myState;
  WordCheck& myInner;
};

bool UnderlineState::update(bool enabled, std::u16string_view text, const ArrT<int32_t>& lineStarts,
                            WordCheck& check) {
  ArrT<TextRun> runs;
  if (enabled) {
    Memo memo(*this, check);
    runs = findMisspelt(text, lineStarts, memo);
  }
  if (runs == myRuns) return false;
  myRuns = std::move(runs);
  return true;
}

}  // namespace orv
