#include "support/WordSet.h"

#include "platform/Text.h"

namespace orv::test {

void WordSet::add(int32_t codePage, std::initializer_list<const char*> words) {
  for (const char* w : words) {
    Str8 n = toNarrow(utf8ToUtf16(w), static_cast<unsigned>(codePage));
    myWords.insert({codePage, std::string(view(n))});
  }
}

int WordSet::check(const Str8& word, int32_t codePage) const {
  std::string w(view(word));
  auto it = myWords.lower_bound({codePage, w});
  if (it == myWords.end() || it->first != codePage) return 0;
  if (it->second == w) return 1;
  return it->second.compare(0, w.size(), w) == 0 ? 2 : 0;
}

}  // namespace orv::test
