#include "clipboard/StoreFiles.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <utility>

#include "clipboard/TextHash.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

namespace orv {

namespace {

constexpr char kHistoryMagic[4] = {0x63, 0x64, 0x00, 0x01};  // "cd", 0, 1
constexpr char kNotesMagic[4] = {0x6E, 0x64, 0x00, 0x02};    // "nd", 0, 2
// A file this short holds no complete record worth reading.
constexpr size_t kShortestFile = 6;

// Both files are written by one save at a time: the temporary file beside
// each is shared by every save of that file.
SynchObject g_saveLock;

void putLength(Str8& out, uint32_t n, int bytes) {
  char* p = out.insert(out.size(), bytes);
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
}

void putUnits(Str8& out, const Str16& text) {
  char* p = out.insert(out.size(), text.size() * 2);
  for (char16_t c : text) {
    *p++ = static_cast<char>(c & 0xFF);
    *p++ = static_cast<char>(c >> 8);
  }
}

// Reads little-endian fields from a file image; every read reports whether
// the image still held it, so a record cut short is noticed.
class Reader {
 public:
  Reader(const char* bytes, size_t len) : myBytes(reinterpret_cast<const unsigned char*>(bytes)), myLen(len) {}

  bool magic(const char (&expected)[4]) {
    if (myLen <= kShortestFile || std::memcmp(myBytes, expected, 4) != 0) return false;
    myPos = 4;
    return true;
  }
  bool length(int bytes, uint32_t& n) {
    if (myLen - myPos < static_cast<size_t>(bytes)) return false;
    n = 0;
    for (int i = 0; i < bytes; ++i) n |= static_cast<uint32_t>(myBytes[myPos++]) << (8 * i);
    return true;
  }
  bool units(uint32_t n, Str16& out) {
    out.clear();
    if ((myLen - myPos) / 2 < n) return false;
    if (n == 0) return true;
    char16_t* p = out.insert(0, static_cast<int32_t>(n));
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(p, myBytes + myPos, 2 * size_t(n));
      myPos += 2 * size_t(n);
    } else {
      for (uint32_t i = 0; i < n; ++i, myPos += 2)
        p[i] = static_cast<char16_t>(myBytes[myPos] | (myBytes[myPos + 1] << 8));
    }
    return true;
  }
  // A length field followed by that many code units.
  bool text(int lengthBytes, Str16& out) {
    uint32_t n;
    return length(lengthBytes, n) && units(n, out);
  }

 private:
  const unsigned char* myBytes;
  size_t myLen;
  size_t myPos = 0;
};

// The most a file written by this program holds for `limit` records of at
// most `recordBytes` each. Reading stops there, so a huge foreign file costs
// no more than a full one (and never more memory than an array holds).
size_t readCap(int32_t limit, size_t recordBytes) {
  constexpr size_t kMaxRead = size_t(1) << 28;
  size_t records = limit < 0 ? 0 : static_cast<size_t>(limit);
  return records > (kMaxRead - 4) / recordBytes ? kMaxRead : 4 + records * recordBytes;
}

// The file's first `maxBytes` bytes; false when it cannot be opened.
bool readHead(const Str16& path, size_t maxBytes, Str8& out) {
  out.clear();
  if (!isPlainFile(path)) return false;
  FILE* f = openFile(path, "rb");
  if (!f) return false;
  char chunk[65536];
  while (static_cast<size_t>(out.size()) < maxBytes) {
    size_t want = maxBytes - static_cast<size_t>(out.size());
    size_t n = std::fread(chunk, 1, want < sizeof chunk ? want : sizeof chunk, f);
    if (n == 0) break;
    out.append(chunk, static_cast<int32_t>(n));
  }
  std::fclose(f);
  return true;
}

bool writeImage(const Str16& path, const Str8& image) {
  return writeFileAtomically(path, image.data(), static_cast<size_t>(image.size()));
}

}  // namespace

Str8 encodeHistory(const ArrT<Str16>& entries) {
  Str8 out(kHistoryMagic, 4);
  for (const Str16& e : entries) {
    if (e.size() > ClipboardHistory::kMaxEntryUnits) continue;
    putLength(out, static_cast<uint32_t>(e.size()), 2);
    putUnits(out, e);
  }
  return out;
}

Str8 encodeNotes(const ArrT<TxtNote>& notes) {
  Str8 out(kNotesMagic, 4);
  for (const TxtNote& n : notes) {
    if (n.text.empty() || n.text.size() > NotesStore::kMaxTextUnits || n.title.size() > NotesStore::kMaxTitleUnits ||
        n.shortcut.size() > NotesStore::kMaxShortcutUnits)
      continue;
    putLength(out, static_cast<uint32_t>(n.shortcut.size()), 1);
    putUnits(out, n.shortcut);
    putLength(out, static_cast<uint32_t>(n.title.size()), 2);
    putUnits(out, n.title);
    putLength(out, static_cast<uint32_t>(n.text.size()), 2);
    putUnits(out, n.text);
  }
  return out;
}

void decodeHistory(const char* bytes, size_t len, int32_t limit, ArrT<Str16>& out) {
  Reader in(bytes, len);
  if (!in.magic(kHistoryMagic)) return;
  ArrT<uint64_t> hashes;
  for (const Str16& e : out) hashes.append(textHash(e));
  Str16 entry;
  while (out.size() < limit && in.text(2, entry)) {
    if (entry.empty()) continue;
    uint64_t h = textHash(entry);
    if (findByHash(out, hashes, entry, h) >= 0) continue;
    out.insert(out.size())->swap(entry);
    hashes.append(h);
  }
}

void decodeNotes(const char* bytes, size_t len, int32_t limit, ArrT<TxtNote>& out) {
  Reader in(bytes, len);
  if (!in.magic(kNotesMagic)) return;
  TxtNote note;
  while (out.size() < limit && in.text(1, note.shortcut) && in.text(2, note.title) && in.text(2, note.text)) {
    if (note.text.empty()) continue;
    note.shortcut = trimWhiteSpace(view(note.shortcut));
    note.title = trimWhiteSpace(view(note.title));
    note.id = newNoteId();
    std::swap(*out.insert(out.size()), note);
  }
}

void loadHistoryFile(const Str16& path, int32_t limit, ClipboardHistory& history) {
  Str8 bytes;
  if (!readHead(path, readCap(limit, 2 + 2 * ClipboardHistory::kMaxEntryUnits), bytes)) return;
  ArrT<Str16> list;
  decodeHistory(bytes.data(), static_cast<size_t>(bytes.size()), limit, list);
  history.appendLoaded(std::move(list), limit);
}

void loadNotesFile(const Str16& path, int32_t limit, NotesStore& notes) {
  Str8 bytes;
  constexpr size_t kMaxNote = 1 + 2 * NotesStore::kMaxShortcutUnits + 2 + 2 * NotesStore::kMaxTitleUnits + 2 +
                              2 * NotesStore::kMaxTextUnits;
  if (!readHead(path, readCap(limit, kMaxNote), bytes)) return;
  ArrT<TxtNote> list;
  decodeNotes(bytes.data(), static_cast<size_t>(bytes.size()), limit, list);
  notes.appendLoaded(std::move(list), limit);
}

bool saveHistoryFile(const Str16& path, const ClipboardHistory& history) {
  SynchObject::Guard save(g_saveLock);
  Str8 image;
  {
    SynchObject::Guard g(history.lock());
    image = encodeHistory(history.entriesLocked());
  }
  return writeImage(path, image);
}

bool saveNotesFile(const Str16& path, const NotesStore& notes) {
  SynchObject::Guard save(g_saveLock);
  Str8 image;
  {
    SynchObject::Guard g(notes.lock());
    image = encodeNotes(notes.notesLocked());
  }
  return writeImage(path, image);
}

void loadStores(const Str16& folder, const StoreLimits& limits, ClipboardHistory& history, NotesStore& notes) {
  loadHistoryFile(joinPath(folder, kHistoryFileName), limits.historyItems, history);
  loadNotesFile(joinPath(folder, kNotesFileName), limits.notes, notes);
}

bool saveStores(const Str16& folder, const ClipboardHistory& history, const NotesStore& notes) {
  SynchObject::Guard save(g_saveLock);
  bool historyWritten = saveHistoryFile(joinPath(folder, kHistoryFileName), history);
  bool notesWritten = saveNotesFile(joinPath(folder, kNotesFileName), notes);
  return historyWritten && notesWritten;
}

void loadStores(const Str16& folder, const StoreLimits& limits) { loadStores(folder, limits, theHistory(), theNotes()); }

bool saveStores(const Str16& folder) { return saveStores(folder, theHistory(), theNotes()); }

}  // namespace orv
