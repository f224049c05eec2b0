#pragma once
// The clipboard history: the texts the user copied, newest first, unique by an
// exact comparison of their UTF-16 code units, never empty, at most
// `capacity` entries (max_items1 + max_items_more of the settings).
//
// The store does no input or output: reading the clipboard and writing
// clipboard.dat belong to the caller (StoreFiles.h), which saves whenever a
// call here reports a change.
//
// Threads: the menu thread captures and pastes, the options window clears.
// Every public member takes the store's own lock, so each call is safe from
// any thread. A caller that needs several calls to see one state (the menu
// building its items) holds lock() around them; the lock is re-entrant.

#include <cstdint>

#include "core/Str.h"
#include "core/SynchObject.h"

namespace orv {

class ClipboardHistory {
 public:
  // The length fields of clipboard.dat are 16 bits: a longer text (a long
  // note pasted from the menu) is never taken into the history.
  static constexpr int32_t kMaxEntryUnits = 65535;
  // The default of max_items1 + max_items_more.
  static constexpr int32_t kDefaultCapacity = 30;

  explicit ClipboardHistory(int32_t capacity = kDefaultCapacity);
  ClipboardHistory(const ClipboardHistory&) = delete;
  ClipboardHistory& operator=(const ClipboardHistory&) = delete;

  // At least 1. A lower capacity than the current count trims at the next add.
  void setCapacity(int32_t capacity);
  int32_t capacity() const;

  // Moves `text` to the top: an equal entry is removed, the text inserted at
  // index 0 and the list trimmed to the capacity. True when the list changed
  // (the caller saves); false for an empty text, a text longer than
  // kMaxEntryUnits, or a text that already is the newest entry.
  bool addToHistory(const Str16& text);
  // Removes one entry; false when the index is out of range. The caller
  // saves when it sees fit (the menu, when it closes).
  bool removeFromHistory(int32_t index);
  // Empties the list; true when it held anything.
  bool clearHistory();

  // The capture decision for a Unicode text found on the clipboard (the
  // caller leaves out a clipboard without text, one over the capture size,
  // and one that other programs marked private). A text equal to the last
  // seen one is not taken again while it stays there; a different one
  // becomes the last seen text and, when not empty, goes to the top as addToHistory()
  // does. True when the list changed (the caller saves). Nothing happens
  // while the menu is open.
  bool offerCapture(const Str16& text);
  Str16 lastSeen() const;
  // For a text the program itself put on the clipboard (a paste from the
  // menu), so that the next check does not count it as the user's copy.
  void setLastSeen(const Str16& text);

  // Set while the clipboard menu is shown: captures are skipped meanwhile.
  void setMenuOpen(bool open);
  bool menuOpen() const;

  int32_t size() const;
  // A copy of one entry (empty when the index is out of range).
  Str16 at(int32_t index) const;
  // A copy of the whole list, newest first.
  ArrT<Str16> entries() const;
  // Index of the entry equal to `text`, or -1.
  int32_t find(const Str16& text) const;

  // Appends loaded texts in order, skipping empty, over-long and repeated
  // ones, until the list holds `limit` entries. The texts are moved out of
  // `list` (pass std::move of the loader's list).
  void appendLoaded(ArrT<Str16> list, int32_t limit);

  // The lock every member takes, and the list itself for a caller holding it.
  SynchObject& lock() const { return myLock; }
  const ArrT<Str16>& entriesLocked() const { return myEntries; }

 private:
  int32_t findLocked(const Str16& text) const;
  bool addLocked(const Str16& text);

  mutable SynchObject myLock;
  ArrT<Str16> myEntries;
  Str16 myLastSeen;
  int32_t myCapacity;
  bool myMenuOpen = false;
};

// The process's history.
ClipboardHistory& theHistory();

}  // namespace orv
