// The shipped dictionaries (dist/Orvanta/dic, made by scripts/build):
// loading, checking a stream of real words, suggestions and completions.
// Latency percentiles are measured call by call and reported as counters
// (median_ns, p99_ns). Targets: checkWord p99 <= 2 us on ru_RU; suggestions
// for an 8-letter word <= 1 ms median; all three dictionaries loaded in
// <= 100 ms together.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "core/SynchObject.h"
#include "core/Trace.h"
#include "language/Dictionary.h"
#include "language/DictionarySet.h"
#include "platform/Text.h"

namespace orv {
namespace {

const char* const kNames[] = {"en_US", "ru_RU", "uk_UA"};

Str16 folderOf(const char* name) { return utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic/" + name); }

void quiet(const std::string&, void*) {}

// The stored words of a dictionary, every `step`-th, shuffled with a fixed seed.
std::vector<Str8> sampleWords(const Dictionary& d, int step) {
  struct Ctx {
    std::vector<Str8> out;
    int step, n = 0;
  } ctx{{}, step};
  auto take = [](const char* w, int32_t len, void* c) {
    Ctx* x = static_cast<Ctx*>(c);
    if (x->n++ % x->step == 0) x->out.emplace_back(w, len);
  };
  d.plainIndex().forEachWord(take, &ctx);
  d.casedIndex().forEachWord(take, &ctx);
  std::mt19937 rng(12345);
  std::shuffle(ctx.out.begin(), ctx.out.end(), rng);
  return ctx.out;
}

// A misspelling: one letter replaced by its neighbour in the alphabet.
Str8 misspelt(const Str8& w, std::mt19937& rng) {
  Str8 m(w);
  int32_t i = static_cast<int32_t>(rng() % static_cast<unsigned>(m.size()));
  m[i] = static_cast<char>(m[i] + 1);
  return m;
}

void reportPercentiles(benchmark::State& state, std::vector<double>& ns) {
  if (ns.empty()) return;
  std::sort(ns.begin(), ns.end());
  state.counters["median_ns"] = ns[ns.size() / 2];
  state.counters["p99_ns"] = ns[ns.size() * 99 / 100];
  state.counters["max_ns"] = ns.back();
  state.counters["calls"] = static_cast<double>(ns.size());
}

template <typename F>
double timed(F&& f) {
  auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
}

void BM_Load(benchmark::State& state) {
  setTraceSink(&quiet);
  const char* name = kNames[state.range(0)];
  double bytes = 0;
  for (auto _ : state) {
    Dictionary d(folderOf(name), 0);
    bytes = d.plainIndex().allocatedSize() + d.casedIndex().allocatedSize();
    benchmark::DoNotOptimize(d.getCodePage());
  }
  state.SetLabel(name);
  state.counters["index_MB"] = bytes / 1e6;
}
BENCHMARK(BM_Load)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_LoadAllThree(benchmark::State& state) {
  setTraceSink(&quiet);
  for (auto _ : state) {
    SynchObject lock;
    DictionarySet set(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta"), lock);
    for (const char* n : kNames) set.append(folderOf(n), 0);
    benchmark::DoNotOptimize(set.size());
  }
}
BENCHMARK(BM_LoadAllThree)->Unit(benchmark::kMillisecond);

// checkWord on ru_RU over real words and as many misspellings.
void BM_CheckWordRu(benchmark::State& state) {
  setTraceSink(&quiet);
  Dictionary d(folderOf("ru_RU"), 0);
  std::vector<Str8> words = sampleWords(d, 50);
  std::mt19937 rng(7);
  size_t n = words.size();
  for (size_t i = 0; i < n; ++i) words.push_back(misspelt(words[i], rng));
  std::vector<double> ns;
  int sink = 0;
  for (auto _ : state) {
    for (const Str8& w : words) ns.push_back(timed([&] { sink += d.checkWord(w); }));
  }
  benchmark::DoNotOptimize(sink);
  reportPercentiles(state, ns);
}
BENCHMARK(BM_CheckWordRu)->Iterations(3)->Unit(benchmark::kMillisecond);

// checkInSet with all three dictionaries loaded, over a mixed stream of real
// Russian, Ukrainian and English words.
void BM_CheckInSet(benchmark::State& state) {
  setTraceSink(&quiet);
  SynchObject lock;
  DictionarySet set(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta"), lock);
  std::vector<std::pair<Str8, int32_t>> stream;
  for (const char* n : kNames) {
    Dictionary* d = static_cast<Dictionary*>(set.append(folderOf(n), 0));
    for (const Str8& w : sampleWords(*d, 100)) stream.emplace_back(w, d->getCodePage());
  }
  std::shuffle(stream.begin(), stream.end(), std::mt19937(99));
  std::vector<double> ns;
  int sink = 0;
  for (auto _ : state)
    for (const auto& [w, cp] : stream) ns.push_back(timed([&] { sink += set.checkInSet(w, cp); }));
  benchmark::DoNotOptimize(sink);
  reportPercentiles(state, ns);
}
BENCHMARK(BM_CheckInSet)->Iterations(2)->Unit(benchmark::kMillisecond);

// getSuggestions for misspelt words of 4, 8 and 12 letters.
void BM_Suggestions(benchmark::State& state) {
  setTraceSink(&quiet);
  const char* name = kNames[state.range(0)];
  const int32_t len = static_cast<int32_t>(state.range(1));
  Dictionary d(folderOf(name), 0);
  std::vector<Str8> words;
  for (const Str8& w : sampleWords(d, 7))
    if (w.size() == len && words.size() < 300) words.push_back(w);
  std::mt19937 rng(3);
  std::vector<double> ns;
  size_t found = 0;
  for (auto _ : state) {
    for (const Str8& w : words) {
      Str8 typo = misspelt(w, rng);
      ns.push_back(timed([&] { found += d.getSuggestions(typo).size(); }));
    }
  }
  state.SetLabel(std::string(name) + " " + std::to_string(len) + " letters");
  state.counters["suggestions_per_word"] = words.empty() ? 0.0 : static_cast<double>(found) / static_cast<double>(ns.size());
  reportPercentiles(state, ns);
}
BENCHMARK(BM_Suggestions)
    ->ArgsProduct({{0, 1, 2}, {4, 8, 12}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// getCompletions (20 at most) for 3-letter prefixes of real words.
void BM_Completions(benchmark::State& state) {
  setTraceSink(&quiet);
  const char* name = kNames[state.range(0)];
  Dictionary d(folderOf(name), 0);
  std::vector<Str8> prefixes;
  for (const Str8& w : sampleWords(d, 37))
    if (w.size() > 3 && prefixes.size() < 500) prefixes.emplace_back(w.data(), 3);
  std::vector<double> ns;
  size_t found = 0;
  for (auto _ : state)
    for (const Str8& p : prefixes) ns.push_back(timed([&] { found += d.getCompletions(p, 20).size(); }));
  state.SetLabel(name);
  benchmark::DoNotOptimize(found);
  reportPercentiles(state, ns);
}
BENCHMARK(BM_Completions)->DenseRange(0, 2)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
