#pragma once
// Which words of the editor's text get the dotted red underline: the words
// (maximal runs of letters by IsCharAlphaW) that no dictionary knows, each
// only when it lies on one line. A word the text field wraps across two lines
// would need two pieces of line; it is left plain. The window turns the runs
// into rectangles (EM_POSFROMCHAR and the font's widths) and paints them.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/Str.h"

namespace orv {

class DictionarySet;

// A piece of the text, in code units.
struct TextRun {
  int32_t start = 0;
  int32_t length = 0;
  bool operator==(const TextRun&) const = default;
};

// Whether a word is known.
class WordCheck {
 public:
  virtual ~WordCheck() = default;
  virtual bool isWord(std::u16string_view word) = 0;
};

// isWord of the dictionaries of a set: a word is known when any dictionary
// whose code page can hold it knows it, with its capitals. Each question
// takes the set's lock.
class DictionaryWordCheck : public WordCheck {
 public:
  explicit DictionaryWordCheck(DictionarySet& set);
  ~DictionaryWordCheck() override;
  DictionaryWordCheck(const DictionaryWordCheck&) = delete;
  DictionaryWordCheck& operator=(const DictionaryWordCheck&) = delete;
  bool isWord(std::u16string_view word) override;

 private:
  struct Page;
  DictionarySet& mySet;
  ArrT<Page*> myPages;  // one converter per code page, made when first needed
};

// The word run that holds position `pos` (or ends just before it); an empty
// run when there is none.
TextRun wordAt(std::u16string_view text, int32_t pos);

// The unknown words of `text` that start and end on the same line.
// `lineStarts` holds the offset where each line begins (EM_LINEINDEX of every
// line, ascending, the first 0); empty means a single line.
ArrT<TextRun> findMisspelt(std::u16string_view text, const ArrT<int32_t>& lineStarts, WordCheck& check);

// The underline of one window: the last list, and the answers already had
// for the words of its text, so that a pass after an edit asks the
// dictionaries only about words it has not seen. forgetWords() after the
// dictionaries change (a word added).
class UnderlineState {
 public:
  // Empties the list when `enabled` is false; otherwise recomputes it.
  // True when the list changed (the window then repaints).
  bool update(bool enabled, std::u16string_view text, const ArrT<int32_t>& lineStarts, WordCheck& check);
  const ArrT<TextRun>& misspelt() const { return myRuns; }
  void forgetWords() { myKnown.clear(); }

 private:
  class Memo;
  friend class Memo;
  ArrT<TextRun> myRuns;
  std::unordered_map<std::u16string, bool> myKnown;
};

}  // namespace orv
