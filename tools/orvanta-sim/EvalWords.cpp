#include "tools/orvanta-sim/EvalWords.h"

#include <algorithm>

namespace orv::simtool {

namespace {

bool isApostrophe(char16_t c) { return c == u'\'' || c == u'\u2019' || c == u'\u02BC'; }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

struct Token {
  int32_t start, end;
};

std::vector<Token> tokensOf(const Str16& text) {
  std::vector<Token> out;
  int32_t n = text.size();
  for (int32_t i = 0; i < n;) {
    if (isBlank(text[i])) {
      ++i;
      continue;
    }
    int32_t j = i;
    while (j < n && !isBlank(text[j])) ++j;
    out.push_back({i, j});
    i = j;
  }
  return out;
}

bool sameRange(const Str16& a, int32_t aFrom, const Str16& b, int32_t bFrom, int32_t len) {
  for (int32_t k = 0; k < len; ++k)
    if (a[aFrom + k] != b[bFrom + k]) return false;
  return true;
}

// For each typed token, the shown token paired with it, or -1.
std::vector<int32_t> pairTokens(const Str16& typed, const std::vector<Token>& t, const Str16& shown,
                                const std::vector<Token>& s) {
  std::vector<int32_t> pair(t.size(), -1);
  if (t.size() == s.size()) {
    for (size_t k = 0; k < t.size(); ++k) pair[k] = int32_t(k);
    return pair;
  }
  auto equal = [&](size_t i, size_t j) {
    int32_t len = t[i].end - t[i].start;
    return len == s[j].end - s[j].start && sameRange(typed, t[i].start, shown, s[j].start, len);
  };
  size_t n = t.size(), m = s.size();
  std::vector<std::vector<int32_t>> lcs(n + 1, std::vector<int32_t>(m + 1, 0));
  for (size_t i = n; i-- > 0;)
    for (size_t j = m; j-- > 0;)
      lcs[i][j] = equal(i, j) ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
  for (size_t i = 0, j = 0; i < n && j < m;) {
    if (equal(i, j)) pair[i++] = int32_t(j++);
    else if (lcs[i + 1][j] >= lcs[i][j + 1]) ++i;
    else ++j;
  }
  return pair;
}

}  // namespace

bool isAlphabetLetter(const std::string& lang, char16_t c) {
  if (lang == "en") return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
  if (lang == "ru") return (c >= 0x410 && c <= 0x44F) || c == 0x401 || c == 0x451;
  // uk: Cyrillic without ё, ъ, ы, э; with ґ, є, і, ї.
  if (c == 0x404 || c == 0x454 || c == 0x406 || c == 0x456 || c == 0x407 || c == 0x457 || c == 0x490 || c == 0x491)
    return true;
  if (c < 0x410 || c > 0x44F) return false;
  char16_t lower = c >= 0x430 ? c : char16_t(c + 0x20);
  return lower != 0x44A && lower != 0x44B && lower != 0x44D;
}

std::vector<WordSpan> lineWordSpans(const std::string& lang, const Str16& line, bool keepInner) {
  std::vector<WordSpan> words;
  Str16 cur;
  int32_t n = line.size(), start = 0;
  for (int32_t i = 0; i <= n; ++i) {
    char16_t c = i < n ? line[i] : 0;
    if (i < n && isAlphabetLetter(lang, c)) {
      if (cur.size() == 0) start = i;
      cur.append(c);
      continue;
    }
    bool inner = keepInner && i < n && cur.size() > 0 && (isApostrophe(c) || c == u'-') && i + 1 < n &&
                 isAlphabetLetter(lang, line[i + 1]);
    if (inner) {
      cur.append(isApostrophe(c) ? u'\'' : c);
      continue;
    }
    if (cur.size() > 0) words.push_back({cur, start, i});
    cur.clear();
  }
  return words;
}

std::vector<Str16> lineWords(const std::string& lang, const Str16& line, bool keepInner) {
  std::vector<Str16> out;
  for (WordSpan& w : lineWordSpans(lang, line, keepInner)) out.push_back(std::move(w.word));
  return out;
}

std::vector<bool> wordsShownAsTyped(const std::string& lang, const Str16& typed, const Str16& shown, bool keepInner) {
  std::vector<WordSpan> words = lineWordSpans(lang, typed, keepInner);
  std::vector<Token> t = tokensOf(typed), s = tokensOf(shown);
  std::vector<int32_t> pair = pairTokens(typed, t, shown, s);
  std::vector<bool> out(words.size(), false);
  size_t k = 0;  // the typed token holding the current word
  for (size_t w = 0; w < words.size(); ++w) {
    while (t[k].end <= words[w].start) ++k;
    if (pair[k] < 0) continue;
    const Token& a = t[k];
    const Token& b = s[size_t(pair[k])];
    if (a.end - a.start != b.end - b.start) continue;  // a token whose length changed is not the typed one
    int32_t offset = words[w].start - a.start;
    out[w] = sameRange(typed, words[w].start, shown, b.start + offset, words[w].end - words[w].start);
  }
  return out;
}

}  // namespace orv::simtool
