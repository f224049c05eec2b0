#include "clipboard/History.h"

#include "clipboard/TextHash.h"

namespace orv {

namespace {
bool storable(const Str16& text) { return !text.empty() && text.size() <= ClipboardHistory::kMaxEntryUnits; }
}  // namespace

ClipboardHistory::ClipboardHistory(int32_t capacity) : myCapacity(capacity < 1 ? 1 : capacity) {}

void ClipboardHistory::setCapacity(int32_t capacity) {
  SynchObject::Guard g(myLock);
  myCapacity = capacity < 1 ? 1 : capacity;
}

int32_t ClipboardHistory::capacity() const {
  SynchObject::Guard g(myLock);
  return myCapacity;
}

int32_t ClipboardHistory::findLocked(const Str16& text) const {
  for (int32_t i = 0; i < myEntries.size(); ++i)
    if (myEntries[i] == text) return i;
  return -1;
}

bool ClipboardHistory::addLocked(const Str16& text) {
  if (!storable(text)) return false;
  int32_t found = findLocked(text);
  if (found == 0 && myEntries.size() <= myCapacity) return false;
  if (found > 0) {
    // Moved, not copied: `text` may be that very entry (the menu pasting it).
    Str16 moved;
    moved.swap(myEntries[found]);
    myEntries.remove(found);
    myEntries.insert(0)->swap(moved);
  } else if (found < 0) {
    myEntries.insertAt(0, text);
  }
  if (myEntries.size() > myCapacity) myEntries.remove(myCapacity, myEntries.size() - myCapacity);
  return true;
}

bool ClipboardHistory::addToHistory(const Str16& text) {
  SynchObject::Guard g(myLock);
  return addLocked(text);
}

bool ClipboardHistory::removeFromHistory(int32_t index) {
  SynchObject::Guard g(myLock);
  if (index < 0 || index >= myEntries.size()) return false;
  myEntries.remove(index);
  return true;
}

bool ClipboardHistory::clearHistory() {
  SynchObject::Guard g(myLock);
  bool had = !myEntries.empty();
  myEntries.clear();
  return had;
}

bool ClipboardHistory::offerCapture(const Str16& text) {
  SynchObject::Guard g(myLock);
  if (myMenuOpen || text == myLastSeen) return false;
  myLastSeen = text;
  return addLocked(text);
}

Str16 ClipboardHistory::lastSeen() const {
  SynchObject::Guard g(myLock);
  return myLastSeen;
}

void ClipboardHistory::setLastSeen(const Str16& text) {
  SynchObject::Guard g(myLock);
  myLastSeen = text;
}

void ClipboardHistory::setMenuOpen(bool open) {
  SynchObject::Guard g(myLock);
  myMenuOpen = open;
}

bool ClipboardHistory::menuOpen() const {
  SynchObject::Guard g(myLock);
  return myMenuOpen;
}

int32_t ClipboardHistory::size() const {
  SynchObject::Guard g(myLock);
  return myEntries.size();
}

Str16 ClipboardHistory::at(int32_t index) const {
  SynchObject::Guard g(myLock);
  if (index < 0 || index >= myEntries.size()) return Str16();
  return myEntries[index];
}

ArrT<Str16> ClipboardHistory::entries() const {
  SynchObject::Guard g(myLock);
  return myEntries;
}

int32_t ClipboardHistory::find(const Str16& text) const {
  SynchObject::Guard g(myLock);
  return findLocked(text);
}

void ClipboardHistory::appendLoaded(ArrT<Str16> list, int32_t limit) {
  SynchObject::Guard g(myLock);
  ArrT<uint64_t> hashes;
  for (const Str16& e : myEntries) hashes.append(textHash(e));
  for (int32_t i = 0; i < list.size() && myEntries.size() < limit; ++i) {
    if (!storable(list[i])) continue;
    uint64_t h = textHash(list[i]);
    if (findByHash(myEntries, hashes, list[i], h) >= 0) continue;
    myEntries.insert(myEntries.size())->swap(list[i]);
    hashes.append(h);
  }
}

ClipboardHistory& theHistory() {
  static ClipboardHistory history;
  return history;
}

}  // namespace orv
