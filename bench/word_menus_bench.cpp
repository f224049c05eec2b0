// The completion and spelling popups' collection for a typed word, with us,
// ru and ua installed and the three shipped dictionaries loaded
// (scripts/dictionaries): every layout's rendering of the keys is looked at,
// as after a real key. Target: <= 2 ms per popup, so that it follows the key
// at once.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Trace.h"
#include "keyboard/WordMenus.h"
#include "tools/orvanta-sim/DesktopTyper.h"
#include "tools/orvanta-sim/SimRun.h"

namespace {

using namespace orv;

struct QuietHost : WordMenuHost {
  Str16 text(const char*) override { return Str16(); }
  bool hasPolicy(const char*) override { return false; }
  void answerPolicy(const char*, bool) override {}
  bool spellingAllowed(const char*) override { return true; }
  void askAddWord(const AskAddWordRequest&) override {}
};

struct Popups {
  simtool::RunSettings settings;
  simtool::RunDictionaries dics;
  std::unique_ptr<sim::SimDesktop> desk;
  LastWords last;
  QuietHost host;
  std::unique_ptr<WordMenus> menus;
  bool ok = false;

  Popups() {
    std::string err;
    TraceSink previous = setTraceSink([](const std::string&, void*) {});
    ok = dics.load({}, err);
    setTraceSink(previous);
    std::vector<const SimLayout*> list{findSimLayout("us"), findSimLayout("ru"), findSimLayout("ua")};
    desk = simtool::makeDesktop(list, list[0], settings, dics);
    desk->soundOn = false;
    menus = std::make_unique<WordMenus>(desk->engine, dics.set(), last, host);
  }
  // The word typed in the us layout and analysed, nothing shown.
  void type(const char* word) {
    desk->setAppText(Str16());
    {
      SynchObject::Guard g(desk->state.lock());
      desk->state.resetAndTrack();
    }
    simtool::DesktopTyper typer(*desk);
    for (const char* p = word; *p; ++p) typer.typeCharAs(static_cast<char16_t>(*p), *findSimLayout("us"));
  }
};

Popups& popups() {
  static Popups p;
  return p;
}

const char* const kPrefixes[] = {"hou", "househ", "understand"};
const char* const kMisspelt[] = {"teh", "recive", "beleivable"};

void BM_CollectCompletions(benchmark::State& st) {
  Popups& p = popups();
  if (!p.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  const char* word = st.range(0) == 3 ? kPrefixes[0] : st.range(0) == 6 ? kPrefixes[1] : kPrefixes[2];
  p.type(word);
  int32_t items = 0;
  for (auto _ : st) {
    SynchObject::Guard g(p.desk->state.lock());
    std::unique_ptr<XMenu> m(p.menus->collectCompletions(p.desk->app().thread, "notepad.exe"));
    items = m ? m->count() : 0;
  }
  st.counters["items"] = items;
}
BENCHMARK(BM_CollectCompletions)->Arg(3)->Arg(6)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_CollectSuggestions(benchmark::State& st) {
  Popups& p = popups();
  if (!p.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  const char* word = st.range(0) == 3 ? kMisspelt[0] : st.range(0) == 6 ? kMisspelt[1] : kMisspelt[2];
  p.type(word);
  int32_t items = 0;
  for (auto _ : st) {
    SynchObject::Guard g(p.desk->state.lock());
    std::unique_ptr<XMenu> m(p.menus->collectSuggestions(p.desk->app().thread, "notepad.exe"));
    items = m ? m->count() : 0;
  }
  st.counters["items"] = items;
}
BENCHMARK(BM_CollectSuggestions)->Arg(3)->Arg(6)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
