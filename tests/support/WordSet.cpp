#include "support/WordSet.h"

#include "platform/Text.h"

namespace orv::test {

void WordSet::add(int32_t codePage, std::initializer_list<const char*> words, const std::string& language) {
  for (const char* w : words) {
    std::string n(view(toNarrow(utf8ToUtf16(w), static_cast<unsigned>(codePage))));
    myWords.insert({codePage, "", n});
    if (!language.empty()) myWords.insert({codePage, language, n});
  }
}

// The set is ordered, so the first entry not below the word decides: the
// word itself (1), a word it begins (2), or neither (0).
int WordSet::lookup(const Str8& word, int32_t codePage, const std::string& language) const {
  const std::string w(view(word));
  auto it = myWords.lower_bound({codePage, language, w});
  if (it == myWords.end() || std::get<0>(*it) != codePage || std::get<1>(*it) != language) return 0;
  const std::string& found = std::get<2>(*it);
  if (found == w) return 1;
  return found.compare(0, w.size(), w) == 0 ? 2 : 0;
}

}  // namespace orv::test
