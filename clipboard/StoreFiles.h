#pragma once
// clipboard.dat and notes.dat in the module folder: their codecs, and the
// load at start-up and the save after every change (docs/stores.md gives the
// layouts). Both are little-endian, start with a 4-byte magic and end with
// the end of the file (no count, no checksum).
//
// Loading never fails loudly: a missing, short or foreign file gives nothing,
// a damaged one what was read before the damage. Saving writes a temporary
// file that replaces the old one only when complete, so a failed save leaves
// the old file and the lists in memory as they were.

#include <cstddef>
#include <cstdint>

#include "clipboard/History.h"
#include "clipboard/Notes.h"
#include "core/Str.h"

namespace orv {

// How many entries a load reads at most: max_items1 + max_items_more for the
// history, max_notes1 + max_items_more for the notes.
struct StoreLimits {
  int32_t historyItems = ClipboardHistory::kDefaultCapacity;
  int32_t notes = 30;
};

inline constexpr char16_t kHistoryFileName[] = u"clipboard.dat";
inline constexpr char16_t kNotesFileName[] = u"notes.dat";

// The file images. Entries that do not fit their length fields (and notes
// with an empty text) are left out, never cut short.
Str8 encodeHistory(const ArrT<Str16>& entries);
Str8 encodeNotes(const ArrT<TxtNote>& notes);

// Reads a file image into `out` (appended). A file of 6 bytes or fewer, or
// one with another magic, gives nothing; a record cut short ends the list
// and is dropped. History: empty and repeated entries are skipped. Notes:
// title and shortcut are trimmed, a note with an empty text is skipped, each
// note gets a new id. Reading stops once `out` holds `limit` entries.
void decodeHistory(const char* bytes, size_t len, int32_t limit, ArrT<Str16>& out);
void decodeNotes(const char* bytes, size_t len, int32_t limit, ArrT<TxtNote>& out);

// One file at a path of the caller's choice. Loading appends to the store
// (a start-up store is empty); saving returns false when the file could not
// be written.
void loadHistoryFile(const Str16& path, int32_t limit, ClipboardHistory& history);
void loadNotesFile(const Str16& path, int32_t limit, NotesStore& notes);
bool saveHistoryFile(const Str16& path, const ClipboardHistory& history);
bool saveNotesFile(const Str16& path, const NotesStore& notes);

// clipboard.dat, then notes.dat, in `folder`. saveStores writes both (a
// failure of the first does not keep the second from being written) and
// returns true only when both were written. Saves from several threads are
// taken one at a time; a save takes the stores' locks after its own, so a
// caller never saves while it holds a store's lock().
void loadStores(const Str16& folder, const StoreLimits& limits, ClipboardHistory& history, NotesStore& notes);
bool saveStores(const Str16& folder, const ClipboardHistory& history, const NotesStore& notes);

// The same for the process's history and notes.
void loadStores(const Str16& folder, const StoreLimits& limits);
bool saveStores(const Str16& folder);

}  // namespace orv
