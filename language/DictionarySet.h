#pragma once
// DictionarySet: the ordered dictionaries the configuration enables, each a
// folder inside the program folder's "dic" folder. Every question other code
// asks about words goes through it. The set owns its dictionaries.
//
// Locking: the set is guarded by the application lock given at construction
// (a re-entrant SynchObject shared with other state). The look-ups and the
// add-word flows take it themselves; code that walks the dictionaries with
// at() takes it around the walk (lock()).

#include "core/SynchObject.h"
#include "language/DictionarySeams.h"
#include "language/IDictionary.h"

namespace orv {

struct AskAddWordRequest {
  Str16 typed;       // the word as the user typed it
  Str8 word;         // the same word in the target dictionary's code page
  Str8 language;     // the target's language code; empty: use `position`
  int32_t position = -1;
};

class DictionarySet {
 public:
  DictionarySet(const Str16& programFolder, SynchObject& applicationLock);
  ~DictionarySet();
  DictionarySet(const DictionarySet&) = delete;
  DictionarySet& operator=(const DictionarySet&) = delete;

  // Seams; without them the set uses empty settings, the English texts and
  // no layouts. The objects are not owned and must outlive the set.
  void bindSettings(IDictionarySettings* settings) { mySettings = settings; }
  void bindStrings(IInterfaceStrings* strings) { myStrings = strings; }
  void bindLayouts(ILayoutCatalog* layouts) { myLayouts = layouts; }

  SynchObject& lock() { return myLock; }
  const Str16& dicFolder() const { return myDicFolder; }

  int32_t size() const { return myDics.size(); }
  IDictionary* at(int32_t i) const { return myDics.at(i); }

  // isWord in any dictionary of that code page.
  bool isKnown(const Str8& word, int32_t codePage);
  // 1 when a dictionary of that code page knows the word, else 2 when one
  // knows words that begin with it, else 0; asked in set order.
  int checkInSet(const Str8& word, int32_t codePage);
  // The same, asking only the dictionaries of that code page whose folder
  // names `language` ("ru" for ru_RU); 0 for an empty language.
  int checkInLanguage(const Str8& word, int32_t codePage, const Str8& language);

  int32_t indexOfName(const Str16& name) const;  // exact; -1 if none
  IDictionary* findByName(const Str16& name) const;
  void removeByName(const Str16& name);  // ignores the case of ASCII letters
  // A new Dictionary for `path` (a folder), at the end or at `position`.
  IDictionary* append(const Str16& path, int32_t codePage);
  IDictionary* insertAt(int32_t position, const Str16& path, int32_t codePage);
  // Takes ownership of a dictionary made elsewhere.
  void appendOwned(IDictionary* dic) { myDics.append(dic); }

  // Brings the set in line with the folders on disk and "order"/"skip".
  void syncWithConfiguration();

  // The Dictionaries panel's Add button: the status text to show (empty when
  // the text was blank).
  Str16 addUserWord(const Str16& text);

  // Writes the named dictionary's words to "list.txt" in its folder (lines
  // end in CR LF) and reports the outcome in a message box.
  void exportWordList(const Str16& name);

  // Asks whether to add the word and, on OK, adds and saves it. Blocks while
  // the question is shown: callers run it on a thread of its own.
  void askAddWord(const AskAddWordRequest& request);

 private:
  IDictionary* firstOfLanguage(const Str8& language) const;
  int check(const Str8& word, int32_t codePage, const Str8* language);

  Str16 myDicFolder;
  SynchObject& myLock;
  ArrT<IDictionary*> myDics;
  IDictionarySettings* mySettings = nullptr;
  IInterfaceStrings* myStrings = nullptr;
  ILayoutCatalog* myLayouts = nullptr;
  EnglishDictionaryStrings myEnglish;
};

}  // namespace orv
