#include "language/Suggest.h"

#include <cstring>

namespace orv {

namespace {

struct Out {
  const DubIndex& index;
  char* buf;
  int32_t cap;
  int32_t used = 0;

  void test(const char* cand, int32_t len) {
    if (len <= 0) return;
    int32_t n = index.findT(cand, len);
    if (n == DubIndex::kNone || !index.nodeIsEnd(n)) return;
    if (used + len + 1 > cap) return;
    std::memcpy(buf + used, cand, static_cast<size_t>(len));
    buf[used + len] = 0;
    used += len + 1;
  }
};

}  // namespace

int32_t suggest(const DubIndex& index, const char* word, int32_t len, char* buffer, int32_t bufferSize) {
  if (len <= 0 || len >= 100 || bufferSize <= 0) return 0;
  Out out{index, buffer, bufferSize};
  const SetT<char>& letters = index.charList();
  char cand[102];

  // Substitutions.
  std::memcpy(cand, word, static_cast<size_t>(len));
  for (int32_t i = 0; i < len; ++i) {
    for (int32_t l = 0; l < letters.size(); ++l) {
      char c = letters.at(l);
      if (c == word[i]) continue;
      cand[i] = c;
      out.test(cand, len);
    }
    cand[i] = word[i];
  }
  // Transpositions; the last one exchanges with the terminator, which
  // shortens the word by its last letter.
  for (int32_t i = 0; i < len; ++i) {
    std::memcpy(cand, word, static_cast<size_t>(len));
    if (i == len - 1) {
      out.test(cand, len - 1);
    } else {
      cand[i] = word[i + 1];
      cand[i + 1] = word[i];
      out.test(cand, len);
    }
  }
  // Insertions.
  for (int32_t p = 0; p <= len; ++p) {
    std::memcpy(cand, word, static_cast<size_t>(p));
    std::memcpy(cand + p + 1, word + p, static_cast<size_t>(len - p));
    for (int32_t l = 0; l < letters.size(); ++l) {
      cand[p] = letters.at(l);
      out.test(cand, len + 1);
    }
  }
  // Deletions.
  if (len >= 4) {
    for (int32_t i = 0; i < len; ++i) {
      std::memcpy(cand, word, static_cast<size_t>(i));
      std::memcpy(cand + i, word + i + 1, static_cast<size_t>(len - i - 1));
      out.test(cand, len - 1);
    }
  }
  return out.used;
}

}  // namespace orv
