#include "tools/curate/Curate.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "language/Dictionary.h"
#include "platform/SimLayouts.h"
#include "platform/Text.h"
#include "platform/sim/SimKeyboard.h"

namespace orv {

namespace {

Str16 lowerWide(const Str16& s) {
  Str16 out(s);
  charLowerBuffW(out.data(), out.size());
  return out;
}

bool typeable(const LayoutCharMap& map, char16_t c) { return map.fromWide.contains(c); }

bool isLetterIn(unsigned codePage, unsigned char c) {
  Str16 w;
  char b = static_cast<char>(c);
  if (!multiByteToWide(codePage, &b, 1, w) || w.size() != 1) return false;
  return charLowerW(w[0]) != charUpperW(w[0]);
}

// The key codes that type `word` on `map`; false when some letter has none.
bool keysOf(const LayoutCharMap& map, const Str16& word, ArrT<uint32_t>& keys) {
  keys.clear();
  for (int32_t i = 0; i < word.size(); ++i) {
    const unsigned* code = map.fromWide.get(word[i]);
    if (!code) return false;
    keys.append(*code);
  }
  return true;
}

}  // namespace

FrequencyList readFrequencyList(const std::string& path, const LayoutCharMap& map) {
  FrequencyList list;
  std::ifstream f(path, std::ios::binary);
  std::string line;
  while (std::getline(f, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    Str16 w = lowerWide(utf8ToUtf16(line));
    if (w.size() == 0) continue;
    bool ok = true;
    for (int32_t i = 0; i < w.size() && ok; ++i) {
      char16_t c = w[i];
      bool inner = i > 0 && i + 1 < w.size();
      ok = (map.letters.contains(c) && typeable(map, c)) || (inner && (c == u'\'' || c == u'-') && typeable(map, c));
    }
    if (!ok || list.rank.contains(w)) continue;
    list.words.append(w);
    list.rank.put(w, list.words.size());
  }
  return list;
}

bool shouldDrop(int32_t formRank, int32_t sourceRank, bool formWouldSwitch) {
  if (sourceRank <= 0 || sourceRank > kCommonSourceRank) return false;
  if (formRank <= 0) return true;
  if (formRank <= kAlwaysCommonRank) return false;
  return formRank > sourceRank * (formWouldSwitch ? kSwitchingRankRatio : 1);
}

namespace {

// The last run of letters of `text`, as lastLetterRun; `start` is where it begins.
Str8 lastLetterRunAt(const Str8& text, unsigned codePage, int32_t& start) {
  int32_t i = text.size() - 1;
  while (i >= 0 && !isLetterIn(codePage, static_cast<unsigned char>(text[i]))) --i;
  int32_t end = i;
  while (i >= 0 && isLetterIn(codePage, static_cast<unsigned char>(text[i]))) --i;
  start = i + 1;
  return Str8(text.data() + i + 1, end - i);
}

}  // namespace

Str8 lastLetterRun(const Str8& text, unsigned codePage) {
  int32_t start = 0;
  return lastLetterRunAt(text, codePage, start);
}

int32_t Collision::combinedRank() const {
  if (weight <= 0) return 0;
  double r = 1.0 / weight;
  return r >= 2e9 ? 2000000000 : static_cast<int32_t>(std::lround(r));
}

bool wouldSwitch(const Str16& form, const LayoutCharMap& formMap, const LayoutCharMap& otherMap, IDictionary& otherDic) {
  ArrT<uint32_t> keys;
  if (!keysOf(formMap, form, keys)) return false;
  Str8 rendered;
  ArrT<int> positions;
  renderKeys(otherMap, keys.data(), keys.size(), rendered, positions);
  int32_t start = 0;
  Str8 run = lastLetterRunAt(rendered, otherMap.codePage, start);
  // Only a word that starts the text (nothing glued before it) is switched.
  if (run.size() < 2 || start != 0) return false;
  return otherDic.checkWord(run) == 1;
}

void findCollisions(const FrequencyList& sourceFreq, const LayoutCharMap& sourceMap, IDictionary& sourceDic,
                    const LayoutCharMap& targetMap, IDictionary& targetDic, const FrequencyList& targetFreq,
                    const std::string& sourceName, MapT<Str16, Collision>& out) {
  ArrT<uint32_t> keys;
  Str8 rendered;
  ArrT<int> positions;
  MapT<Str16, Collision> found;  // this source's, most frequent hidden word first
  for (int32_t n = 0; n < sourceFreq.words.size(); ++n) {
    const Str16& word = sourceFreq.words[n];
    if (word.size() < 2) continue;  // one letter is never looked up
    // The analyser switches to the source layout only for a whole word there.
    if (sourceDic.checkWord(toNarrow(word, sourceMap.codePage)) != 1) continue;
    if (!keysOf(sourceMap, word, keys)) continue;
    renderKeys(targetMap, keys.data(), keys.size(), rendered, positions);
    Str8 form = lastLetterRun(rendered, targetMap.codePage);
    if (form.size() < 2) continue;
    if (targetDic.checkWord(form) != 1) continue;
    Str16 form16 = lowerWide(toWide(form, targetMap.codePage));
    Collision* c = found.get(form16);
    if (!c) {
      const int32_t* formRank = targetFreq.rank.get(form16);
      found.put(form16, Collision{form16, word, str8(sourceName), n + 1, formRank ? *formRank : 0, 0, 0.0,
                                  wouldSwitch(form16, targetMap, sourceMap, sourceDic)});
      c = found.get(form16);
    }
    c->hidden += 1;
    c->weight += 1.0 / double(n + 1);
  }
  // Each source language stands for its own users, so a form is weighed by
  // the one it hurts most, not by the sum over languages; it counts as
  // switching when it would be switched with any of them.
  for (int32_t i = 0; i < found.size(); ++i) {
    Collision c = found.valAt(i);
    Collision* have = out.get(found.keyAt(i));
    if (have) {
      c.formWouldSwitch = c.formWouldSwitch || have->formWouldSwitch;
      if (have->weight >= c.weight) {
        have->formWouldSwitch = c.formWouldSwitch;
        continue;
      }
    }
    out.put(found.keyAt(i), c);
  }
}

MapT<Str16, Collision> selectDrops(const MapT<Str16, Collision>& collisions) {
  MapT<Str16, Collision> drops;
  for (int32_t i = 0; i < collisions.size(); ++i) {
    const Collision& c = collisions.valAt(i);
    if (shouldDrop(c.formRank, c.combinedRank(), c.formWouldSwitch)) drops.put(collisions.keyAt(i), c);
  }
  return drops;
}

int32_t filterWordList(const std::string& in, const std::string& outPath, const MapT<Str16, Collision>& drops,
                       int32_t* kept) {
  std::ifstream f(in, std::ios::binary);
  std::ofstream o(outPath, std::ios::binary | std::ios::trunc);
  std::string line;
  int32_t left = 0, dropped = 0;
  while (std::getline(f, line)) {
    if (drops.contains(lowerWide(utf8ToUtf16(line)))) {
      ++dropped;
      continue;
    }
    o << line << '\n';
    ++left;
  }
  if (kept) *kept = left;
  return dropped;
}

namespace {

struct Source {
  const SimLayout* layout;
  std::string dic;
  std::string freq;
};

bool splitSource(const std::string& arg, Source& s) {
  size_t a = arg.find(':'), b = arg.find(':', a == std::string::npos ? a : a + 1);
  if (a == std::string::npos || b == std::string::npos) return false;
  s.layout = findSimLayout(arg.substr(0, a).c_str());
  s.dic = arg.substr(a + 1, b - a - 1);
  s.freq = arg.substr(b + 1);
  return s.layout != nullptr && !s.dic.empty() && !s.freq.empty();
}

}  // namespace

int runCurate(int argc, const char* const* argv, FILE* out, FILE* err) {
  std::string targetWords, targetDic, targetFreq, outPath, reportPath;
  const SimLayout* targetLayout = nullptr;
  std::vector<Source> sources;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) {
      std::fprintf(err, "orvanta-curate: %s needs a value\n", a.c_str());
      return 2;
    }
    std::string v = argv[++i];
    if (a == "--target-words") {
      targetWords = v;
    } else if (a == "--target-dic") {
      targetDic = v;
    } else if (a == "--target-freq") {
      targetFreq = v;
    } else if (a == "--target-layout") {
      targetLayout = findSimLayout(v.c_str());
      if (!targetLayout) {
        std::fprintf(err, "orvanta-curate: unknown layout '%s'\n", v.c_str());
        return 2;
      }
    } else if (a == "--source") {
      Source s;
      if (!splitSource(v, s)) {
        std::fprintf(err, "orvanta-curate: --source takes LAYOUT:DICTIONARY:FREQUENCY-LIST, not '%s'\n", v.c_str());
        return 2;
      }
      sources.push_back(s);
    } else if (a == "--out") {
      outPath = v;
    } else if (a == "--report") {
      reportPath = v;
    } else {
      std::fprintf(err, "orvanta-curate: unknown option %s\n", a.c_str());
      return 2;
    }
  }
  if (targetWords.empty() || targetDic.empty() || targetFreq.empty() || !targetLayout || sources.empty() ||
      outPath.empty() || reportPath.empty()) {
    std::fprintf(err,
                 "usage: orvanta-curate --target-words F --target-dic DIR --target-layout L --target-freq F "
                 "--source L:DIR:FREQ [--source ...] --out F --report F\n");
    return 2;
  }
  for (const std::string* p : {&targetWords, &targetFreq}) {
    if (!std::ifstream(*p)) {
      std::fprintf(err, "orvanta-curate: cannot read %s\n", p->c_str());
      return 2;
    }
  }

  sim::SimKeyboard keyboard;
  auto mapOf = [&](const SimLayout* l) {
    keyboard.install(l->hkl);
    return buildLayoutCharMap(keyboard, l->hkl);
  };
  LayoutCharMap targetMap = mapOf(targetLayout);
  Dictionary target(utf8ToUtf16(targetDic), static_cast<int32_t>(targetMap.codePage));
  FrequencyList targetList = readFrequencyList(targetFreq, targetMap);

  MapT<Str16, Collision> collisions;
  for (const Source& s : sources) {
    if (!std::ifstream(s.freq)) {
      std::fprintf(err, "orvanta-curate: cannot read %s\n", s.freq.c_str());
      return 2;
    }
    LayoutCharMap sourceMap = mapOf(s.layout);
    Dictionary source(utf8ToUtf16(s.dic), static_cast<int32_t>(sourceMap.codePage));
    FrequencyList sourceList = readFrequencyList(s.freq, sourceMap);
    std::string name = utf16ToUtf8(Dictionary::lastComponent(utf8ToUtf16(s.dic)));
    findCollisions(sourceList, sourceMap, source, targetMap, target, targetList, name, collisions);
  }
  MapT<Str16, Collision> drops = selectDrops(collisions);

  int32_t kept = 0;
  int32_t dropped = filterWordList(targetWords, outPath, drops, &kept);
  FILE* rep = std::fopen(reportPath.c_str(), "wb");
  if (!rep) {
    std::fprintf(err, "orvanta-curate: cannot write %s\n", reportPath.c_str());
    return 2;
  }
  int32_t total = kept + dropped;
  std::fprintf(rep,
               "# Forms left out of this dictionary because they hide a common word of another\n"
               "# language typed in the wrong layout. Columns: dropped form, the word it hid,\n"
               "# that word's dictionary. %d of %d forms dropped (%.3f%%).\n"
               "# Last column: how many listed words the form hid, their combined rank and the\n"
               "# form's own rank (0: not in the list); see docs/dictionaries.md.\n",
               dropped, total, total ? 100.0 * dropped / total : 0.0);
  auto line = [&](const Collision& c) {
    std::fprintf(rep, "%s\t%s\t%s\t%d hidden, combined rank %d, form rank %d%s\n", utf16ToUtf8(c.form).c_str(),
                 utf16ToUtf8(c.blocked).c_str(), c.sourceName.data(), c.hidden, c.combinedRank(), c.formRank,
                 c.formWouldSwitch ? ", would be switched itself" : "");
  };
  for (int32_t i = 0; i < drops.size(); ++i) line(drops.valAt(i));
  std::fprintf(rep,
               "# Kept: forms that also hide listed words, but are common themselves or hide\n"
               "# only rarer ones.\n");
  for (int32_t i = 0; i < collisions.size(); ++i)
    if (!drops.contains(collisions.keyAt(i))) line(collisions.valAt(i));
  std::fclose(rep);
  std::fprintf(out, "orvanta-curate: %d of %d forms dropped (%.3f%%), %d blocking forms\n", dropped, total,
               total ? 100.0 * dropped / total : 0.0, drops.size());
  return 0;
}

}  // namespace orv
