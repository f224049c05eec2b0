#include "clipboard/Notes.h"

#include <algorithm>
#include <atomic>

namespace orv {

uint32_t newNoteId() {
  static std::atomic<uint32_t> counter{0};
  uint32_t id;
  do id = ++counter;  // wraps after four billion notes; 0 means "no note"
  while (id == 0);
  return id;
}

bool isWhiteSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

namespace {

// Checks the three texts against the file's length fields (title and
// shortcut already trimmed).
NoteResult checkFields(const Str16& text, const Str16& title, const Str16& shortcut) {
  if (text.size() > NotesStore::kMaxTextUnits) return NoteResult::TextTooLong;
  if (title.size() > NotesStore::kMaxTitleUnits) return NoteResult::TitleTooLong;
  if (shortcut.size() > NotesStore::kMaxShortcutUnits) return NoteResult::ShortcutTooLong;
  return NoteResult::Ok;
}

bool endsWith(std::u16string_view typed, const Str16& tail) {
  return tail.size() <= static_cast<int32_t>(typed.size()) &&
         typed.substr(typed.size() - tail.size()) == view(tail);
}

}  // namespace

Str16 trimWhiteSpace(std::u16string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && isWhiteSpace(text[b])) ++b;
  while (e > b && isWhiteSpace(text[e - 1])) --e;
  return Str16(text.data() + b, static_cast<int32_t>(e - b));
}

NoteResult NotesStore::addNote(const TxtNote& note, uint32_t* newId) {
  TxtNote added;
  added.text = note.text;
  added.title = trimWhiteSpace(view(note.title));
  added.shortcut = trimWhiteSpace(view(note.shortcut));
  if (added.text.empty()) return NoteResult::EmptyText;
  NoteResult r = checkFields(added.text, added.title, added.shortcut);
  if (r != NoteResult::Ok) return r;
  added.id = newNoteId();
  if (newId) *newId = added.id;
  SynchObject::Guard g(myLock);
  myNotes.insertAt(0, added);
  return NoteResult::Ok;
}

NoteResult NotesStore::updateNote(uint32_t id, const Str16& text, const Str16& title, const Str16& shortcut) {
  Str16 t = trimWhiteSpace(view(title));
  Str16 s = trimWhiteSpace(view(shortcut));
  NoteResult r = checkFields(text, t, s);
  if (r != NoteResult::Ok) return r;
  SynchObject::Guard g(myLock);
  int32_t i = indexOfLocked(id);
  if (i < 0) return NoteResult::NotFound;
  TxtNote& note = myNotes[i];
  note.text = text;
  note.title.swap(t);
  note.shortcut.swap(s);
  return NoteResult::Ok;
}

bool NotesStore::deleteNote(uint32_t id, bool force) {
  SynchObject::Guard g(myLock);
  int32_t i = indexOfLocked(id);
  if (i < 0 || (!force && !myNotes[i].text.empty())) return false;
  myNotes.remove(i);
  return true;
}

bool NotesStore::moveNote(int32_t index, bool down) {
  SynchObject::Guard g(myLock);
  int32_t other = down ? index + 1 : index - 1;
  if (index < 0 || index >= myNotes.size() || other < 0 || other >= myNotes.size()) return false;
  std::swap(myNotes[index], myNotes[other]);
  return true;
}

int32_t NotesStore::removeNotes(const ArrT<int32_t>& indices) {
  SynchObject::Guard g(myLock);
  ArrT<int32_t> order(indices);
  std::sort(order.begin(), order.end(), [](int32_t a, int32_t b) { return a > b; });
  int32_t removed = 0, previous = -1;
  for (int32_t index : order) {
    if (index == previous || index < 0 || index >= myNotes.size()) continue;
    myNotes.remove(index);
    previous = index;
    ++removed;
  }
  return removed;
}

void NotesStore::reorderNotes(const ArrT<int32_t>& indices) {
  SynchObject::Guard g(myLock);
  ArrT<char> taken;
  taken.fill(0, myNotes.size());
  ArrT<TxtNote> result;
  for (int32_t index : indices) {
    if (index < 0 || index >= myNotes.size() || taken[index]) continue;
    taken[index] = 1;
    result.append(myNotes[index]);
  }
  for (int32_t i = 0; i < myNotes.size(); ++i)
    if (!taken[i]) result.append(myNotes[i]);
  myNotes.swap(result);
}

int32_t NotesStore::findNoteByText(const Str16& text) const {
  SynchObject::Guard g(myLock);
  for (int32_t i = 0; i < myNotes.size(); ++i)
    if (myNotes[i].text == text) return i;
  return -1;
}

bool NotesStore::findShortcut(std::u16string_view typed, TxtNote& out) const {
  SynchObject::Guard g(myLock);
  for (const TxtNote& note : myNotes) {
    if (!note.shortcut.empty() && endsWith(typed, note.shortcut)) {
      out = note;
      return true;
    }
  }
  return false;
}

int32_t NotesStore::size() const {
  SynchObject::Guard g(myLock);
  return myNotes.size();
}

bool NotesStore::at(int32_t index, TxtNote& out) const {
  SynchObject::Guard g(myLock);
  if (index < 0 || index >= myNotes.size()) return false;
  out = myNotes[index];
  return true;
}

int32_t NotesStore::indexOfLocked(uint32_t id) const {
  for (int32_t i = 0; i < myNotes.size(); ++i)
    if (myNotes[i].id == id) return i;
  return -1;
}

int32_t NotesStore::indexOf(uint32_t id) const {
  SynchObject::Guard g(myLock);
  return indexOfLocked(id);
}

ArrT<TxtNote> NotesStore::notes() const {
  SynchObject::Guard g(myLock);
  return myNotes;
}

void NotesStore::appendLoaded(ArrT<TxtNote> list, int32_t limit) {
  SynchObject::Guard g(myLock);
  for (int32_t i = 0; i < list.size() && myNotes.size() < limit; ++i) {
    TxtNote& n = list[i];
    if (n.text.empty() || checkFields(n.text, n.title, n.shortcut) != NoteResult::Ok) continue;
    std::swap(*myNotes.insert(myNotes.size()), n);
  }
}

void NotesStore::clear() {
  SynchObject::Guard g(myLock);
  myNotes.clear();
}

NotesStore& theNotes() {
  static NotesStore notes;
  return notes;
}

}  // namespace orv
