// The notes editor's underline over a 100,000-character note of English words
// (one in ten misspelt) in lines of about 80 characters, with the shipped
// dictionaries (dist/Orvanta/dic, made by scripts/build). Target: a pass
// <= 30 ms, so that typing in the editor stays smooth. A cold pass asks the
// dictionaries about every word; a pass after a keystroke reuses the
// window's earlier answers.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "clipboard/Underline.h"
#include "core/SynchObject.h"
#include "core/Trace.h"
#include "language/Dictionary.h"
#include "language/DictionarySet.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv {
namespace {

constexpr size_t kNoteUnits = 100000;
const char* const kNames[] = {"en_US", "ru_RU", "uk_UA"};

Str16 folderOf(const char* name) { return utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic/" + name); }

void quiet(const std::string&, void*) {}

struct Fixture {
  SynchObject lock;
  DictionarySet set{utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta"), lock};
  std::u16string text;
  ArrT<int32_t> lineStarts;
  bool ok = false;

  Fixture() {
    setTraceSink(&quiet);
    for (const char* n : kNames)
      if (!isFolder(folderOf(n))) return;
    for (const char* n : kNames) set.append(folderOf(n), 0);
    std::vector<std::u16string> words;
    auto* en = static_cast<Dictionary*>(set.at(0));
    struct Ctx {
      std::vector<std::u16string>* out;
      int32_t codePage;
      int n = 0;
    } ctx{&words, en->getCodePage()};
    en->plainIndex().forEachWord(
        [](const char* w, int32_t len, void* c) {
          auto* x = static_cast<Ctx*>(c);
          if (x->n++ % 20 == 0) x->out->push_back(std::u16string(view(toWide(Str8(w, len), x->codePage))));
        },
        &ctx);
    std::mt19937 rng(2026);
    size_t lineLen = 0;
    lineStarts.append(0);
    while (text.size() < kNoteUnits && !words.empty()) {
      std::u16string w = words[rng() % words.size()];
      if (rng() % 10 == 0 && w.size() > 2) std::swap(w[1], w[2]);
      if (lineLen + w.size() > 80) {
        text += u"\r\n";
        lineStarts.append(static_cast<int32_t>(text.size()));
        lineLen = 0;
      } else if (lineLen) {
        text += u' ';
        ++lineLen;
      }
      text += w;
      lineLen += w.size();
    }
    ok = !words.empty();
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_UnderlineColdPass(benchmark::State& state) {
  Fixture& f = fixture();
  if (!f.ok) return state.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  DictionaryWordCheck check(f.set);
  size_t misspelt = 0;
  for (auto _ : state) {
    UnderlineState underline;
    underline.update(true, f.text, f.lineStarts, check);
    misspelt = static_cast<size_t>(underline.misspelt().size());
  }
  state.counters["chars"] = static_cast<double>(f.text.size());
  state.counters["misspelt"] = static_cast<double>(misspelt);
}
BENCHMARK(BM_UnderlineColdPass)->Unit(benchmark::kMillisecond);

// A letter typed in the middle of the note, then the pass the repaint makes.
void BM_UnderlineAfterKeystroke(benchmark::State& state) {
  Fixture& f = fixture();
  if (!f.ok) return state.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  DictionaryWordCheck check(f.set);
  UnderlineState underline;
  std::u16string text = f.text;
  underline.update(true, text, f.lineStarts, check);
  const char16_t letters[] = u"etaoinshrd";
  size_t i = 0;
  for (auto _ : state) {
    text[text.size() / 2 + (i % 64)] = letters[i % 10];
    ++i;
    underline.update(true, text, f.lineStarts, check);
  }
}
BENCHMARK(BM_UnderlineAfterKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
