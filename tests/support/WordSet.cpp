#include "support/WordSet.h"

#include "platform/Text.h"

namespace orv::test {

namespace {

// The set is ordered, so the first entry not below the word decides: the
// word itself (1), a word it begins (2), or neither (0). `same` tells whether
// an entry belongs to the code page (and language) asked about.
template <class Set, class Key, class Same>
int lookup(const Set& set, const Key& key, const std::string& w, Same same) {
  auto it = set.lower_bound(key);
  if (it == set.end() || !same(*it)) return 0;
  const std::string& found = std::get<std::tuple_size_v<Key> - 1>(*it);
  if (found == w) return 1;
  return found.compare(0, w.size(), w) == 0 ? 2 : 0;
}

}  // namespace

void WordSet::add(int32_t codePage, std::initializer_list<const char*> words, const std::string& language) {
  for (const char* w : words) {
    std::string n(view(toNarrow(utf8ToUtf16(w), static_cast<unsigned>(codePage))));
    myWords.insert({codePage, n});
    if (!language.empty()) myLanguage.insert({codePage, language, n});
  }
}

int WordSet::check(const Str8& word, int32_t codePage) const {
  std::string w(view(word));
  return lookup(myWords, std::make_tuple(codePage, w), w, [&](const auto& e) { return std::get<0>(e) == codePage; });
}

int WordSet::checkLanguage(const Str8& word, int32_t codePage, const Str8& language) const {
  std::string w(view(word)), lang(view(language));
  return lookup(myLanguage, std::make_tuple(codePage, lang, w), w,
                [&](const auto& e) { return std::get<0>(e) == codePage && std::get<1>(e) == lang; });
}

}  // namespace orv::test
