#pragma once
// Impossibility lists: for a pair of languages, letter combinations that
// cannot begin a word of the first language when the second is the
// alternative. One plain-text file per pair in the program folder's
// "impossibility" folder, named first!second.txt (codes or culture names),
// one combination per line. The registry is filled once at start-up and
// read-only afterwards.

#include "core/MapT.h"
#include "core/SetT.h"
#include "core/Str.h"

namespace orv {

using Impossibility = SetT<Str8>;

class ImpossibilityRegistry {
 public:
  ImpossibilityRegistry() = default;
  ~ImpossibilityRegistry();
  ImpossibilityRegistry(const ImpossibilityRegistry&) = delete;
  ImpossibilityRegistry& operator=(const ImpossibilityRegistry&) = delete;

  // Reads every "*.txt" file of programFolder/impossibility. A missing
  // folder, unreadable or empty files contribute nothing. The key of a list
  // is its file name without ".txt", lower-cased (ASCII); a later file with
  // the same key replaces the earlier list.
  void loadImpossibilities(const Str16& programFolder);

  // The list of a pair key such as "ru!en", or null.
  const Impossibility* find(const Str8& key) const;
  int32_t size() const { return myLists.size(); }
  const Str8& keyAt(int32_t i) const { return myLists.keyAt(i); }

  // One list file: trimmed non-empty lines; lines longer than 999 bytes are
  // read in pieces of at most 999 bytes.
  static bool readList(const Str16& path, Impossibility& out);

 private:
  MapT<Str8, Impossibility*> myLists;
};

}  // namespace orv
