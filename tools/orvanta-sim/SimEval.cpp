// orvanta-sim eval: how many words typed in the wrong layout the program
// fixes, how many typed in the right one it wrongly switches, and how long a
// key takes.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "core/Trace.h"
#include "tools/orvanta-sim/DesktopTyper.h"
#include "tools/orvanta-sim/EvalWords.h"
#include "tools/orvanta-sim/SimRun.h"

namespace orv::simtool {

namespace {

int32_t letterCount(const Str16& w) {
  int32_t n = 0;
  for (char16_t c : w)
    if (c != u'\'' && c != u'-') ++n;
  return n;
}

int bucketOf(int32_t letters) { return letters <= 2 ? 0 : letters == 3 ? 1 : letters <= 5 ? 2 : letters <= 8 ? 3 : 4; }
const char* const kBuckets[5] = {"1-2", "3", "4-5", "6-8", "9+"};

struct Tally {
  long tested = 0, hits = 0;
  long byTested[5] = {}, byHits[5] = {};
  void add(int bucket, long count, bool hit) {
    tested += count;
    byTested[bucket] += count;
    if (hit) hits += count, byHits[bucket] += count;
  }
};

std::string pct(long a, long b, int digits = 2) {
  char buf[32];
  std::snprintf(buf, sizeof(buf), "%.*f%%", digits, b ? 100.0 * double(a) / double(b) : 0.0);
  return buf;
}

// Most frequent first, then by the word.
std::vector<std::pair<std::string, long>> byCount(const std::unordered_map<std::string, long>& m) {
  std::vector<std::pair<std::string, long>> v(m.begin(), m.end());
  std::sort(v.begin(), v.end(), [](auto& x, auto& y) { return x.second != y.second ? x.second > y.second : x.first < y.first; });
  return v;
}

std::string top20(const std::unordered_map<std::string, long>& m) {
  std::vector<std::pair<std::string, long>> v = byCount(m);
  std::string s;
  for (size_t i = 0; i < v.size() && i < 20; ++i) s += (i ? ", " : "") + v[i].first + " (" + std::to_string(v[i].second) + ")";
  return s.empty() ? "-" : s;
}

// Puts the desktop back into a fresh state with `layout` active.
void fresh(sim::SimDesktop& d, const SimLayout& layout) {
  d.setAppText(Str16());
  d.keyboard.activateLayout(layout.hkl);
  SynchObject::Guard g(d.state.lock());
  d.state.resetAndTrack();
  d.state.lastLayout = layout.hkl;
  d.state.previousLayout = 0;
}

// Types the keys of `text` (as `own` types them) with `active` active.
bool typeAs(sim::SimDesktop& d, const Str16& text, const SimLayout& own) {
  DesktopTyper t(d);
  for (char16_t c : text)
    if (!t.typeCharAs(c, own)) return false;
  d.idle();
  return true;
}

}  // namespace

int cmdEval(const std::vector<std::string>& a, std::string& out, std::string& err) {
  const char* usage =
      "usage: orvanta-sim eval --layouts L1,L2 --lang en|ru|uk [--dic DIR]... [--sentences] [--keep-inner]\n"
      "                        [--set section.key=value]... [--misses FILE] CORPUS.txt\n";
  RunSettings settings;
  std::string layouts, lang, corpus, missesPath;
  std::vector<std::string> dics;
  bool sentences = false, keepInner = false;
  for (size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "--layouts" && i + 1 < a.size()) layouts = a[++i];
    else if (a[i] == "--lang" && i + 1 < a.size()) lang = a[++i];
    else if (a[i] == "--dic" && i + 1 < a.size()) dics.push_back(a[++i]);
    else if (a[i] == "--sentences") sentences = true;
    else if (a[i] == "--keep-inner") keepInner = true;
    else if (a[i] == "--misses" && i + 1 < a.size()) missesPath = a[++i];
    else if (a[i] == "--set" && i + 1 < a.size()) {
      if (!settings.set(a[++i], err)) return 2;
    }
    else if (corpus.empty() && !a[i].empty() && a[i][0] != '-') corpus = a[i];
    else {
      err = "unexpected argument '" + a[i] + "'\n" + usage;
      return 2;
    }
  }
  if (layouts.empty() || corpus.empty() || (lang != "en" && lang != "ru" && lang != "uk")) {
    err = std::string("eval needs --layouts, --lang en|ru|uk and a CORPUS\n") + usage;
    return 2;
  }
  std::vector<const SimLayout*> list;
  if (!parseLayoutList(layouts, list, err)) return 2;
  const SimLayout* own = findSimLayout(lang == "en" ? "us" : lang == "ru" ? "ru" : "ua");
  if (std::find(list.begin(), list.end(), own) == list.end() || list.size() < 2) {
    err = "--layouts must hold the language's own layout (" + std::string(own->shortName) + ") and another\n";
    return 2;
  }
  const SimLayout* other = list[0] == own ? list[1] : list[0];
  std::ifstream in(corpus, std::ios::binary);
  if (!in) {
    err = "cannot read '" + corpus + "'\n";
    return 2;
  }
  RunDictionaries dictionaries;
  TraceSink previous = setTraceSink([](const std::string&, void*) {});
  bool loaded = dictionaries.load(dics, err);
  setTraceSink(previous);
  if (!loaded) return 2;
  auto d = makeDesktop(list, own, settings, dictionaries);
  d->soundOn = false;
  std::vector<double> times;
  d->keyTimes = &times;

  Tally fixed, falseSw, fixedUnique;
  std::unordered_map<std::string, long> misses, misses3, falses;
  std::string line;
  if (!sentences) {
    std::unordered_map<std::string, long> counts;
    while (std::getline(in, line))
      for (const Str16& w : lineWords(lang, utf8ToUtf16(line), keepInner)) ++counts[utf16ToUtf8(w)];
    std::vector<std::pair<std::string, long>> words(counts.begin(), counts.end());
    std::sort(words.begin(), words.end());
    for (const auto& [word, count] : words) {
      Str16 w = utf8ToUtf16(word), expect = w;
      expect.append(u' ');
      int b = bucketOf(letterCount(w));
      fresh(*d, *own);
      if (!typeAs(*d, expect, *own)) continue;  // the layout cannot type it
      bool switched = d->activeLayout() != own->hkl || d->appText() != expect;
      falseSw.add(b, count, switched);
      if (switched) falses[word] += count;
      fresh(*d, *other);
      typeAs(*d, expect, *own);
      bool ok = d->appText() == expect;
      fixed.add(b, count, ok);
      fixedUnique.add(b, 1, ok);
      if (!ok) misses[word] += count;
      if (!ok && b > 0) misses3[word] += count;
    }
  } else {
    while (std::getline(in, line)) {
      std::vector<Str16> words = lineWords(lang, utf8ToUtf16(line), keepInner);
      if (words.empty()) continue;
      Str16 text;
      for (const Str16& w : words) {
        text.append(w);
        text.append(u' ');
      }
      words = lineWords(lang, text, keepInner);  // the same words, as the verdicts count them
      fresh(*d, *own);
      if (!typeAs(*d, text, *own)) continue;
      std::vector<bool> asTyped = wordsShownAsTyped(lang, text, d->appText(), keepInner);
      for (size_t k = 0; k < words.size(); ++k) {
        bool bad = !asTyped[k];
        falseSw.add(bucketOf(letterCount(words[k])), 1, bad);
        if (bad) falses[utf16ToUtf8(words[k])] += 1;
      }
      fresh(*d, *other);
      typeAs(*d, text, *own);
      asTyped = wordsShownAsTyped(lang, text, d->appText(), keepInner);
      for (size_t k = 0; k < words.size(); ++k) {
        bool ok = asTyped[k];
        fixed.add(bucketOf(letterCount(words[k])), 1, ok);
        if (!ok) misses[utf16ToUtf8(words[k])] += 1;
        if (!ok && letterCount(words[k]) >= 3) misses3[utf16ToUtf8(words[k])] += 1;
      }
    }
  }
  if (!missesPath.empty()) {
    std::ofstream f(missesPath, std::ios::binary | std::ios::trunc);
    for (const auto& [w, n] : byCount(misses)) f << "miss\t" << w << '\t' << n << '\n';
    for (const auto& [w, n] : byCount(falses)) f << "false\t" << w << '\t' << n << '\n';
    if (!f.flush()) {
      err = "cannot write '" + missesPath + "'\n";
      return 2;
    }
  }
  std::sort(times.begin(), times.end());
  auto at = [&](double q) { return times.empty() ? 0.0 : times[std::min(times.size() - 1, size_t(q * double(times.size())))]; };
  double p50 = at(0.5), p99 = at(0.99), mx = times.empty() ? 0.0 : times.back();
  long t3 = 0, h3 = 0;
  for (int b = 1; b < 5; ++b) t3 += fixed.byTested[b], h3 += fixed.byHits[b];
  out += "words tested: " + std::to_string(fixed.tested) + (sentences ? " (in sentences)\n" : "\n");
  out += "recall: " + pct(fixed.hits, fixed.tested) + " (" + std::to_string(fixed.hits) + " fixed)\n";
  if (!sentences) {
    long u3 = 0, uh3 = 0;
    for (int b = 1; b < 5; ++b) u3 += fixedUnique.byTested[b], uh3 += fixedUnique.byHits[b];
    out += "recall over distinct words: " + pct(fixedUnique.hits, fixedUnique.tested) + " of " +
           std::to_string(fixedUnique.tested) + "; of 3+ letters " + pct(uh3, u3) + "\n";
  }
  out += "recall by length:";
  for (int b = 0; b < 5; ++b) out += std::string(" ") + kBuckets[b] + " " + pct(fixed.byHits[b], fixed.byTested[b]) + " of " + std::to_string(fixed.byTested[b]) + ";";
  out += "\nfalse switches: " + pct(falseSw.hits, falseSw.tested, 3) + " (" + std::to_string(falseSw.hits) + ")\n";
  out += "false switches by length:";
  for (int b = 0; b < 5; ++b) out += std::string(" ") + kBuckets[b] + " " + pct(falseSw.byHits[b], falseSw.byTested[b], 3) + ";";
  out += "\nmost frequent misses: " + top20(misses) + "\n";
  out += "most frequent misses of 3+ letters: " + top20(misses3) + "\n";
  out += "most frequent false switches: " + top20(falses) + "\n";
  char buf[256];
  std::snprintf(buf, sizeof(buf), "per-key onKeyEvent time: median %.1f us, p99 %.1f us, max %.1f us (%zu keys)\n", p50, p99, mx, times.size());
  out += buf;
  std::snprintf(buf, sizeof(buf), "summary: words=%ld recall3=%s false=%s p50=%.1f p99=%.1f max=%.1f\n", fixed.tested,
                pct(h3, t3).c_str(), pct(falseSw.hits, falseSw.tested, 3).c_str(), p50, p99, mx);
  out += buf;
  return 0;
}

}  // namespace orv::simtool
