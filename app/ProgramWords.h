#pragma once
// The program's word knowledge as start-up builds it: the dictionary set of
// the module folder's "dic" folder, bound to the "dic" settings, to the
// interface texts and to the installed keyboard layouts (the add-word flows
// find a word's language through them), and the impossibility lists.
//
// The layouts are a copy taken with the keyboard lock held whenever the
// installed layouts change. The add-word flows ask about layouts with the
// application lock held, while the receiver asks the dictionaries with the
// keyboard lock held; asking the keyboard state itself from there would take
// the two locks in both orders.

#include <unordered_set>
#include <vector>

#include "core/SynchObject.h"
#include "language/DictionarySet.h"
#include "language/Impossibility.h"
#include "language/LastWords.h"

namespace orv {

class KeyboardState;

class ProgramWords : ILayoutCatalog, IInterfaceStrings {
 public:
  ProgramWords(const Str16& moduleFolder, SynchObject& applicationLock);
  ProgramWords(const ProgramWords&) = delete;
  ProgramWords& operator=(const ProgramWords&) = delete;

  // Start-up: the impossibility lists, then the dictionaries in the user's order.
  void loadImpossibilities();
  void loadDictionaries();
  // With the keyboard lock held, after the installed layouts changed: the
  // layouts' copy, and the dictionary order read again.
  void layoutsChanged(KeyboardState& state);

  DictionarySet& dictionaries() { return myDictionaries; }
  // The last-typed store of the module folder's "lastwords" folder; loaded
  // at start-up after the dictionaries.
  LastWords& lastWords() { return myLastWords; }
  void loadLastWords() { myLastWords.load(myFolder); }
  const ImpossibilityRegistry& impossibilities() const { return myImpossibilities; }

 private:
  int32_t layoutCount() override;
  Str8 layoutLanguage(int32_t i) override;
  int32_t layoutCodePage(int32_t i) override;
  bool layoutCanType(int32_t i, const Str16& word) override;
  Str16 text(const char* key) override;

  struct Layout {
    Str8 language;
    int32_t codePage = 0;
    std::unordered_set<char16_t> chars;
  };
  Str16 myFolder;
  SynchObject& myApplicationLock;
  DictionarySet myDictionaries;
  ImpossibilityRegistry myImpossibilities;
  LastWords myLastWords;
  SynchObject myLayoutsLock;  // a leaf: nothing else is taken under it
  std::vector<Layout> myLayouts;
};

}  // namespace orv
