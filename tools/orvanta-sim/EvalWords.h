#pragma once
// The evaluator's words: the letter runs of a language in a line, and which
// of them an application shows as they were typed.

#include <string>
#include <vector>

#include "core/Str.h"

namespace orv::simtool {

// Whether a character is a letter of the language's alphabet ("en", "ru", "uk").
bool isAlphabetLetter(const std::string& lang, char16_t c);

struct WordSpan {
  Str16 word;     // apostrophes unified to ' with keepInner
  int32_t start;  // in the line
  int32_t end;
};

// The words of a line: runs of letters, the words the analyser itself takes
// apart. With `keepInner`, apostrophes and hyphens with letters on both sides
// stay inside the word ("don't", "что-то"), which the analyser never fixes as
// a whole: the part after the mark is glued to it.
std::vector<WordSpan> lineWordSpans(const std::string& lang, const Str16& line, bool keepInner);
std::vector<Str16> lineWords(const std::string& lang, const Str16& line, bool keepInner);

// For every word of `typed` (as lineWordSpans finds them), whether `shown`
// holds it unchanged at its place. The texts are matched blank-separated
// token by token, whatever script a token is in; a token that kept its
// length is compared at the word's own offsets, so a word glued to others
// (don't, adopted!) is judged alone. When the token counts differ, tokens
// are paired by their longest common subsequence and an unpaired token's
// words count as changed.
std::vector<bool> wordsShownAsTyped(const std::string& lang, const Str16& typed, const Str16& shown, bool keepInner);

}  // namespace orv::simtool
