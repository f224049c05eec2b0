// The typing path: a key from the hook library through onKeyEvent, the
// analysis in every layout and the dictionary look-ups, with us, ru and ua
// installed and the shipped dictionaries loaded (scripts/dictionaries).
#include <benchmark/benchmark.h>

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

// The same keys with the US layout active: analysis, decision, and the
// whole retype (clipboard, paste sequence, echo chain, restore).
void BM_TypeWordWrongLayoutAndSwitch(benchmark::State& st) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  Str16 word = utf8ToUtf16("выход ");  // "ы" keeps Ukrainian out of the tie;
  const SimLayout& ru = *findSimLayout("ru");
  for (auto _ : st) {
    t.fresh("us");
    simtool::DesktopTyper typer(*t.desk);
    for (char16_t c : word) typer.typeCharAs(c, ru);
    t.desk->idle();
  }
  st.SetItemsProcessed(st.iterations() * word.size());
}
BENCHMARK(BM_TypeWordWrongLayoutAndSwitch);

// A word both Cyrillic layouts render alike: the switch goes through the
// per-language tie resolution.
void BM_TypeWordWrongLayoutSameInTwoLayouts(benchmark::State& st) {
  Typing& t = typing();
  if (!t.ok) return st.SkipWithError("the shipped dictionaries are missing (scripts/dictionaries)");
  Str16 word = utf8ToUtf16("привет ");
  const SimLayout& ru = *findSimLayout("ru");
  for (auto _ : st) {
    t.fresh("us");
    simtool::DesktopTyper typer(*t.desk);
    for (char16_t c : word) typer.typeCharAs(c, ru);
    t.desk->idle();
  }
  st.SetItemsProcessed(st.iterations() * word.size());
}
BENCHMARK(BM_TypeWordWrongLayoutSameInTwoLayouts);

}  // namespace

BENCHMARK_MAIN();
