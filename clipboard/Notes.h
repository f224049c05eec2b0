#pragma once
// The notes: texts the user keeps by choice, each with an optional title (the
// menu shows it instead of the text) and an optional shortcut that, typed and
// followed by the configured key, is replaced by the note's text.
//
// The store does no input or output: notes.dat belongs to StoreFiles.h, and
// the caller saves after a change it reports.
//
// Threads: the key-event thread looks up shortcuts, the menu thread pastes,
// deletes and reorders, the editor adds and updates. Every public member
// takes the store's own lock, so each call is safe from any thread; indices
// and copies returned describe the list at the moment of the call. A caller
// that needs several calls to see one state holds lock() around them (the
// lock is re-entrant).

#include <cstdint>
#include <string_view>

#include "core/Str.h"
#include "core/SynchObject.h"

namespace orv {

struct TxtNote {
  Str16 text;      // never empty in the store
  Str16 shortcut;  // empty: none; no white space at either end
  Str16 title;     // empty: the menu shows the text; no white space at either end
  uint32_t id = 0;  // identity for open editors and menus; not stored on disk
};

// The next note id of the process: 1 for the first note, then counting up
// (0 is never handed out). Safe from any thread.
uint32_t newNoteId();

// Why a note was refused. The length limits are those of notes.dat's fields;
// nothing is changed when a call is refused.
enum class NoteResult {
  Ok,
  NotFound,         // no note has that id
  EmptyText,        // a new note needs a text
  TextTooLong,      // more than kMaxTextUnits code units
  TitleTooLong,     // more than kMaxTitleUnits after trimming
  ShortcutTooLong,  // more than kMaxShortcutUnits after trimming
};

// Unicode's White_Space characters (line breaks included).
bool isWhiteSpace(char16_t c);
// Leading and trailing white space removed (ASCII and Unicode spaces, line
// breaks included).
Str16 trimWhiteSpace(std::u16string_view text);

class NotesStore {
 public:
  static constexpr int32_t kMaxTextUnits = 65535;
  static constexpr int32_t kMaxTitleUnits = 65535;
  static constexpr int32_t kMaxShortcutUnits = 255;

  NotesStore() = default;
  NotesStore(const NotesStore&) = delete;
  NotesStore& operator=(const NotesStore&) = delete;

  // Inserts the note at index 0 with a new id (written to *newId), its title
  // and shortcut trimmed. The caller saves.
  NoteResult addNote(const TxtNote& note, uint32_t* newId = nullptr);
  // Replaces the three texts of the note with that id (title and shortcut
  // trimmed). An empty text is accepted: the editor then calls
  // deleteNote(id, false). The caller saves.
  NoteResult updateNote(uint32_t id, const Str16& text, const Str16& title, const Str16& shortcut);
  // Removes the note with that id: always with force, else only when its text
  // is empty. True when it was removed (the caller saves and refreshes the
  // editors).
  bool deleteNote(uint32_t id, bool force);
  // Swaps the note with its lower (down) or upper neighbour; false at the end
  // of the list or for an index out of range.
  bool moveNote(int32_t index, bool down);
  // Removes the notes at these indices (highest first, so that each index
  // still names the note the caller meant); repeated and out-of-range
  // indices are ignored. Returns how many were removed.
  int32_t removeNotes(const ArrT<int32_t>& indices);
  // The notes at these indices, in this order, become the first of the list;
  // the others follow in their old relative order. Repeated and out-of-range
  // indices are ignored.
  void reorderNotes(const ArrT<int32_t>& indices);

  // Index of the first note whose text equals `text` exactly, or -1.
  int32_t findNoteByText(const Str16& text) const;
  // The first note in list order whose shortcut is not empty and ends
  // `typed` exactly (case-sensitive): copied to `out`, true. False when none.
  bool findShortcut(std::u16string_view typed, TxtNote& out) const;

  int32_t size() const;
  // A copy of one note; false when the index is out of range.
  bool at(int32_t index, TxtNote& out) const;
  // The index of the note with this id, or -1.
  int32_t indexOf(uint32_t id) const;
  // A copy of the whole list.
  ArrT<TxtNote> notes() const;

  // Appends loaded notes in order (the loader has given them ids) until the
  // list holds `limit` notes; notes that break a rule of the store (an empty
  // or over-long field) are skipped. The notes are moved out of `list`.
  void appendLoaded(ArrT<TxtNote> list, int32_t limit);
  void clear();

  // The lock every member takes, and the list itself for a caller holding it.
  SynchObject& lock() const { return myLock; }
  const ArrT<TxtNote>& notesLocked() const { return myNotes; }

 private:
  int32_t indexOfLocked(uint32_t id) const;

  mutable SynchObject myLock;
  ArrT<TxtNote> myNotes;
};

// The process's notes.
NotesStore& theNotes();

}  // namespace orv
