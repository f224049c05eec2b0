// The typing path: a key from the hook library through onKeyEvent, the
// analysis in every layout and the dictionary look-ups, with us, ru and ua
// installed and the shipped dictionaries loaded (scripts/dictionaries).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "core/Trace.h"
#include "tools/orvanta-sim/DesktopTyper.h"
#include "tools/orvanta-sim/SimRun.h"

namespace {

using namespace orv;

struct Typing {
  simtool::RunSettings settings;
  simtool::RunDictionaries dics;
  std::unique_ptr<sim::SimDesktop> desk;
  bool ok = false;

  Typing() {
    std::string err;
    TraceSink previous = setTraceSink([](const std::string&, void*) {});
    ok = dics.load({}, err);
    setTraceSink(previous);
    std::vector<const SimLayout*> list{findSimLayout("us"), findSimLayout("ru"), findSimLayout("ua")};
    desk = simtool::makeDesktop(list, list[1], settings, dics);
    desk->soundOn = false;
  }
  // Back to an empty text with `layout` active.
  void fresh(const char* layout) {
    desk->setAppText(Str16());
    desk->keyboard.activateLayout(findSimLayout(layout)->hkl);
    SynchObject::Guard g(desk->state.lock());
    desk->state.resetAndTrack();
  }
};

Typing& typing() {
  static Typing t;
  return t;
}

// One word typed in its own layout: every key analysed, no switch.
void BM_TypeWordInItsLayout(benchmark::State& st) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  Str16 word = utf8ToUtf16("может ");
  const SimLayout& ru = *findSimLayout("ru");
  for (auto _ : st) {
    t.fresh("ru");
    simtool::DesktopTyper typer(*t.desk);
    for (char16_t c : word) typer.typeCharAs(c, ru);
  }
  st.SetItemsProcessed(st.iterations() * word.size());
}
BENCHMARK(BM_TypeWordInItsLayout);

// A Russian word typed with the US layout active: analysis, decision, and
// the whole retype (clipboard, paste sequence, echo chain, restore).
void typeWordInTheWrongLayout(benchmark::State& st, const char* text) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  Str16 word = utf8ToUtf16(text);
  const SimLayout& ru = *findSimLayout("ru");
  for (auto _ : st) {
    t.fresh("us");
    simtool::DesktopTyper typer(*t.desk);
    for (char16_t c : word) typer.typeCharAs(c, ru);
    t.desk->idle();
  }
  st.SetItemsProcessed(st.iterations() * word.size());
}
// "ы" keeps Ukrainian out: one candidate layout.
void BM_TypeWordWrongLayoutAndSwitch(benchmark::State& st) { typeWordInTheWrongLayout(st, "выход "); }
BENCHMARK(BM_TypeWordWrongLayoutAndSwitch);
// Both Cyrillic layouts render it alike: the per-language tie resolution.
void BM_TypeWordWrongLayoutSameInTwoLayouts(benchmark::State& st) { typeWordInTheWrongLayout(st, "привет "); }
BENCHMARK(BM_TypeWordWrongLayoutSameInTwoLayouts);

// The per-key time of onKeyEvent over a run of keys, as counters.
void reportKeyTimes(benchmark::State& st, std::vector<double>& times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  auto at = [&](double q) { return times[std::min(times.size() - 1, size_t(q * double(times.size())))]; };
  double sum = 0;
  for (double t : times) sum += t;
  st.counters["us_per_key"] = sum / double(times.size());
  st.counters["p50_us"] = at(0.5);
  st.counters["p99_us"] = at(0.99);
}

// A key at the end of a line of range(0) keys, typed in its own layout:
// one letter and a Backspace per iteration keep the line at its length.
// With range(1) the line is words and spaces, without it one run of
// letters. The cost must not grow with the line.
void BM_KeyAtTheEndOfALine(benchmark::State& st) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  int64_t keys = st.range(0);
  bool words = st.range(1) != 0;
  t.fresh("ru");
  const SimLayout& ru = *findSimLayout("ru");
  simtool::DesktopTyper typer(*t.desk);
  Str16 text = utf8ToUtf16(words ? "может быть завтра " : "ж");
  for (int64_t k = 0; k < keys; ++k) typer.typeCharAs(text[int32_t(k % text.size())], ru);
  std::vector<double> times;
  t.desk->keyTimes = &times;
  for (auto _ : st) {
    t.desk->userKey(0x4B, 0x25, false);  // Л
    t.desk->userKey(0x4B, 0x25, true);
    t.desk->userKey(8, 0x0E, false);
    t.desk->userKey(8, 0x0E, true);
  }
  t.desk->keyTimes = nullptr;
  st.SetItemsProcessed(int64_t(times.size()));
  reportKeyTimes(st, times);
}
BENCHMARK(BM_KeyAtTheEndOfALine)->Args({20, 1})->Args({20000, 1})->Args({20, 0})->Args({20000, 0});

// Whole lines typed in the wrong layout, as `orvanta-sim eval --sentences`
// types them: every word decided, retyped and the layout switched back and
// forth between the Russian and the English words.
void BM_SentencesInTheWrongLayout(benchmark::State& st) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  Str16 line = utf8ToUtf16(
      "Вчера вечером мы долго говорили о том, что будет дальше, и решили ехать утром. "
      "Дорога шла через лес, потом вдоль реки, и к обеду мы увидели первые дома. "
      "Никто не знал, сколько времени займёт работа, но все были готовы начать сразу. ");
  const SimLayout& ru = *findSimLayout("ru");
  std::vector<double> times;
  for (auto _ : st) {
    t.fresh("us");
    t.desk->keyTimes = &times;
    simtool::DesktopTyper typer(*t.desk);
    for (char16_t c : line) typer.typeCharAs(c, ru);
    t.desk->idle();
    t.desk->keyTimes = nullptr;
  }
  st.SetItemsProcessed(int64_t(times.size()));
  reportKeyTimes(st, times);
}
BENCHMARK(BM_SentencesInTheWrongLayout)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
