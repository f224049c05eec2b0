#pragma once
// The store of words the user typed earlier ("Last typed" in the completion
// popup): one dictionary per language under the program folder's
// "lastwords" folder, each named with the language's culture name (en-US,
// ru-RU). It has a lock of its own, apart from the application lock of the
// dictionary set, so that remembering a word never waits for a dictionary
// question on another thread.
//
// A new store dictionary gets the ANSI code page of its culture (and so a
// real charset file): a store folder whose charset file names no known
// charset is read with that code page too, so that its words lower-case
// and compare in the code page they were written in.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/SetT.h"
#include "core/Str.h"
#include "core/SynchObject.h"
#include "language/Dictionary.h"

namespace orv {

// Where a changed store dictionary is saved. The program hands it to its
// main window (message 0x474), whose handler calls LastWords::save; a word
// that made a new dictionary off that window's thread is saved at once.
class LastWordsSaver {
 public:
  virtual ~LastWordsSaver() = default;
  virtual bool onWindowThread() = 0;
  virtual void postSave(Dictionary* dictionary) = 0;
};

class LastWords {
 public:
  LastWords() = default;
  LastWords(const LastWords&) = delete;
  LastWords& operator=(const LastWords&) = delete;

  // Creates "lastwords" in the program folder when missing and loads one
  // dictionary per sub-folder (culture name). Replaces what was loaded.
  void load(const Str16& programFolder);
  // Without a saver every change is saved at once. Not owned.
  void bindSaver(LastWordsSaver* saver) { mySaver = saver; }

  // Records a finished word (8-bit in the language's ANSI code page) under
  // the culture of a 16-bit language identifier. An empty word, or a
  // language the locale table does not know, is ignored (false).
  bool remember(uint32_t languageId, const Str8& word);
  // Saves a store dictionary with the store locked (the window's handler).
  bool save(Dictionary* dictionary);

  // Up to `max` completions of `word` from every store dictionary of that
  // code page, last to first, each with the dictionary's language code.
  struct Completion {
    Str8 word;
    Str8 language;
  };
  std::vector<Completion> completions(const Str8& word, int32_t codePage, int32_t max);

  SynchObject& lock() { return myLock; }
  int32_t size();
  // The culture names of the loaded store dictionaries, in store order.
  std::vector<Str16> names();

  // The ANSI code page of a culture name ("en-US" -> 1252), 0 when unknown.
  static int32_t codePageOfCulture(const Str16& culture);

 private:
  SynchObject myLock;
  SynchObject mySaveLock;  // serialises the saves made at once
  Str16 myFolder;
  std::vector<std::unique_ptr<Dictionary>> myDics;
  LastWordsSaver* mySaver = nullptr;
};

}  // namespace orv
