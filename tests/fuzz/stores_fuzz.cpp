// libFuzzer target: arbitrary bytes as clipboard.dat or notes.dat. Nothing
// may crash, hang or read out of bounds; what is loaded keeps the stores'
// rules (history: non-empty, unique, within the limit; notes: non-empty
// text, trimmed title and shortcut, fresh ids), and saving it and loading the
// result again gives the same lists.
//
// Input: byte 0 picks the file (even: clipboard.dat, odd: notes.dat) and the
// load limit (1 + byte 0 / 2); the rest is the file.

#include <cstdint>

#include "clipboard/StoreFiles.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace orv;
using fuzz::check;

namespace {

void history(const char* file, size_t len, int32_t limit) {
  ArrT<Str16> list;
  decodeHistory(file, len, limit, list);
  check(list.size() <= limit, "history: within the limit");
  for (int32_t i = 0; i < list.size(); ++i) {
    check(!list[i].empty(), "history: no empty entry");
    for (int32_t j = 0; j < i; ++j) check(list[i] != list[j], "history: no repeated entry");
  }
  ClipboardHistory store(limit);
  store.appendLoaded(list, limit);
  check(store.entries() == list, "history: the store takes the whole load");

  Str8 image = encodeHistory(list);
  ArrT<Str16> again;
  decodeHistory(image.data(), static_cast<size_t>(image.size()), limit, again);
  check(again == list, "history: saved and loaded again unchanged");
}

void notes(const char* file, size_t len, int32_t limit) {
  ArrT<TxtNote> list;
  decodeNotes(file, len, limit, list);
  check(list.size() <= limit, "notes: within the limit");
  for (int32_t i = 0; i < list.size(); ++i) {
    const TxtNote& n = list[i];
    check(!n.text.empty(), "notes: no empty text");
    check(trimWhiteSpace(view(n.title)) == n.title && trimWhiteSpace(view(n.shortcut)) == n.shortcut,
          "notes: title and shortcut trimmed");
    check(n.id != 0 && (i == 0 || n.id != list[i - 1].id), "notes: a fresh id each");
  }
  NotesStore store;
  store.appendLoaded(list, limit);
  check(store.size() == list.size(), "notes: the store takes the whole load");

  Str8 image = encodeNotes(list);
  ArrT<TxtNote> again;
  decodeNotes(image.data(), static_cast<size_t>(image.size()), limit, again);
  check(again.size() == list.size(), "notes: saved and loaded again, same count");
  for (int32_t i = 0; i < list.size(); ++i)
    check(again[i].text == list[i].text && again[i].title == list[i].title && again[i].shortcut == list[i].shortcut,
          "notes: saved and loaded again unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int32_t limit = 1 + data[0] / 2;
  const char* file = reinterpret_cast<const char*>(data + 1);
  if (data[0] & 1)
    notes(file, size - 1, limit);
  else
    history(file, size - 1, limit);
  return 0;
}
