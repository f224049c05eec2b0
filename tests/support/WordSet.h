#pragma once
// A small dictionary set for tests: words given in UTF-8, kept per code page
// (and per language when one is given) and answered as the dictionary set's
// checkInSet and checkInLanguage do (1 a whole word, 2 only the beginning of
// words, 0 unknown).

#include <initializer_list>
#include <set>
#include <string>
#include <tuple>

#include "core/Str.h"

namespace orv::test {

class WordSet {
 public:
  void add(int32_t codePage, std::initializer_list<const char*> utf8Words, const std::string& language = "");
  int check(const Str8& word, int32_t codePage) const { return lookup(word, codePage, ""); }
  int checkLanguage(const Str8& word, int32_t codePage, const Str8& language) const {
    return language.empty() ? 0 : lookup(word, codePage, std::string(view(language)));
  }

 private:
  int lookup(const Str8& word, int32_t codePage, const std::string& language) const;
  // Code page, language ("" holds every word of the code page), word.
  std::set<std::tuple<int32_t, std::string, std::string>> myWords;
};

}  // namespace orv::test
