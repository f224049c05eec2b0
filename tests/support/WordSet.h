#pragma once
// A small dictionary set for tests: words given in UTF-8, kept per code page
// and answered as the dictionary set's checkInSet does (1 a whole word, 2
// only the beginning of words, 0 unknown).

#include <initializer_list>
#include <set>
#include <string>

#include "core/Str.h"

namespace orv::test {

class WordSet {
 public:
  void add(int32_t codePage, std::initializer_list<const char*> utf8Words);
  int check(const Str8& word, int32_t codePage) const;

 private:
  std::set<std::pair<int32_t, std::string>> myWords;
};

}  // namespace orv::test
