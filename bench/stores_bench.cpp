// The clipboard stores at their largest: loading a full clipboard.dat (90 +
// 90 entries of 4,999 characters, the 10,000-byte blocks of the capture
// limit) and a notes.dat of 1,000 notes of 1 KB (512 code units), and
// findNoteByText over those notes. Targets: each load within 10 ms,
// findNoteByText within 50 µs.
//
// Every text shares its beginning with the others and differs only at its
// end, the costliest case for the comparisons behind the uniqueness of the
// history and the search for a note.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "clipboard/StoreFiles.h"
#include "platform/FileSystem.h"

namespace {

using namespace orv;

constexpr int32_t kHistoryEntries = 90 + 90;
constexpr int32_t kEntryUnits = 4999;
constexpr int32_t kNotes = 1000;
constexpr int32_t kNoteUnits = 512;

// `units` code units: a Cyrillic run ended by the number.
Str16 text(int32_t units, int32_t number) {
  std::u16string s(static_cast<size_t>(units), u'\u0436');
  std::u16string tail(view(utf8ToUtf16(std::to_string(number))));
  s.replace(s.size() - tail.size(), tail.size(), tail);
  return str16(s);
}

struct Files {
  Str16 folder;
  NotesStore notes;
  Str16 missing;  // a note's length, not a note
  Files() {
    folder = joinPath(tempFolder(), view(utf8ToUtf16("orv-stores-bench-" + std::to_string(getpid()))));
    createFolder(folder);
    ClipboardHistory history(kHistoryEntries);
    for (int32_t i = 0; i < kHistoryEntries; ++i) history.addToHistory(text(kEntryUnits, i));
    for (int32_t i = 0; i < kNotes; ++i)
      notes.addNote(TxtNote{text(kNoteUnits, i), str16(u"sc"), str16(u"A title"), 0});
    saveStores(folder, history, notes);
    missing = text(kNoteUnits, kNotes);
  }
  ~Files() {
    removeFile(joinPath(folder, kHistoryFileName));
    removeFile(joinPath(folder, kNotesFileName));
    removeFolder(folder);
  }
};

Files& files() {
  static Files f;
  return f;
}

void BM_LoadFullHistory(benchmark::State& st) {
  Str16 path = joinPath(files().folder, kHistoryFileName);
  for (auto _ : st) {
    ClipboardHistory h(kHistoryEntries);
    loadHistoryFile(path, kHistoryEntries, h);
    if (h.size() != kHistoryEntries) return st.SkipWithError("the history did not load whole");
  }
}
BENCHMARK(BM_LoadFullHistory)->Unit(benchmark::kMillisecond);

void BM_LoadThousandNotes(benchmark::State& st) {
  Str16 path = joinPath(files().folder, kNotesFileName);
  for (auto _ : st) {
    NotesStore n;
    loadNotesFile(path, kNotes, n);
    if (n.size() != kNotes) return st.SkipWithError("the notes did not load whole");
  }
}
BENCHMARK(BM_LoadThousandNotes)->Unit(benchmark::kMillisecond);

// A text of a note's length that no note has: every note is compared to its end.
void BM_FindNoteByTextMissing(benchmark::State& st) {
  Files& f = files();
  for (auto _ : st) benchmark::DoNotOptimize(f.notes.findNoteByText(f.missing));
}
BENCHMARK(BM_FindNoteByTextMissing)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
