#pragma once
// The completion and spelling popups of the typed word: what they offer,
// built as menu trees, and what choosing an item does.
//
// Each layout's word buffer gives these flows, besides its word:
//  - the code page of the last-typed store: the layout's ANSI code page
//    (the buffer's own), the code page the store dictionaries of that
//    language are kept in (LastWords.h);
//  - for a spelling check, a number and a byte string: how many characters
//    the application shows for the word and what follows it (what a chosen
//    suggestion erases), and the word as typed, with its capitals (the
//    capitals that carry over to the suggestion).
// Both travel inside each item's command record, so that a choice made on
// the menu thread needs nothing of the typing that may have gone on since.

#include <cstdint>
#include <vector>

#include "clipboard/XMenu.h"
#include "core/Str.h"
#include "language/DictionarySet.h"
#include "language/LastWords.h"
#include "platform/Keyboard.h"

namespace orv {

class KeyboardEngine;

// What the popups need from the program around them.
class WordMenuHost {
 public:
  virtual ~WordMenuHost() = default;
  // An interface text by its key ("ortho_menu_title").
  virtual Str16 text(const char* key) = 0;
  // Whether the application has a policy entry yet; without one the popups
  // ask whether to work there.
  virtual bool hasPolicy(const char* exeName) = 0;
  // The answer: work there with every feature, or without completion,
  // spelling and automatic switching.
  virtual void answerPolicy(const char* exeName, bool work) = 0;
  // Whether the application's policy allows spelling.
  virtual bool spellingAllowed(const char* exeName) = 0;
  // Asks whether to add a word to the dictionaries; the program runs the
  // question on a thread of its own, so that it never blocks the menu.
  virtual void askAddWord(const AskAddWordRequest& request) = 0;
};

// Completions ask each dictionary for this many words per query.
constexpr int32_t kCompletionQuery = 20;
// A popup shows this many words on a level; the rest go on in a "More"
// sub-menu (a few hundred completions would run past the screen's bottom
// and hide the items after them).
constexpr int32_t kWordsPerLevel = 20;

// What an item does when chosen (its command record).
struct WordChoice {
  enum Command : char { kWord = 'w', kAddWord = 'a', kDisable = 'd', kEnable = 'e' };
  char command = kWord;
  Str8 language;      // the dictionary's language code ("en")
  Str8 typed;         // the typed word with its capitals, in codePage
  int32_t codePage = 0;
  int32_t eraseCount = 0;  // characters the application shows for the word and `trailing`
  Str8 trailing;      // what follows the word, retyped after the choice
  uint32_t thread = 0;
  Str8 exeName;

  Str8 toRecord() const;
  static bool fromRecord(const Str8& record, WordChoice& out);
};

class WordMenus : public MenuHandler {
 public:
  WordMenus(KeyboardEngine& engine, DictionarySet& dictionaries, LastWords& lastWords, WordMenuHost& host);

  // On the keystroke thread, with the keyboard lock held, after the word
  // analysis: the popup to show, or null when there is nothing to offer.
  // The caller owns the tree.
  XMenu* collectCompletions(uint32_t thread, const char* exeName);
  XMenu* collectSuggestions(uint32_t thread, const char* exeName);

  // The spelling flows of the word analysis. While the word is typed
  // (the analysis has checked "oc_use", "oc_space_only" and the policy),
  // only a word that no dictionary word even begins with is answered: the
  // beginning of a word is no misspelling yet. At the word's end, "oc_use"
  // and the policy are checked here, and a known word is left alone.
  XMenu* spellingWhileTyping(uint32_t thread, const char* exeName);
  XMenu* spellingAtWordEnd(uint32_t thread, const char* exeName);

  // A finished word of a layout, remembered in the last-typed store.
  void rememberTypedWord(Hkl layout, const Str8& word);

  // A completion or suggestion chosen: typed capitals carry over, the word
  // is remembered and replaces the typed word in the application. Takes the
  // keyboard lock; false when no installed layout has the language.
  bool itemChosen(const WordChoice& choice, const Str16& word);

  // The menu thread's events of the items.
  void onMenuEvent(MenuEvent& event) override;

  MenuStyle style;  // given to every menu made

 private:
  XMenu* item(MenuKind kind, const Str16& caption, const WordChoice* choice);
  void addPolicyItems(XMenu& root, uint32_t thread, const char* exeName);
  // Adds a word item to `level`, or to a "More" sub-menu of it once it
  // holds kWordsPerLevel words; returns the level the next word goes to.
  XMenu* addWord(XMenu* level, int32_t& onLevel, const Str16& caption, const WordChoice& choice,
                 const Str16& moreTitle);

  KeyboardEngine& myEngine;
  DictionarySet& myDics;
  LastWords& myLast;
  WordMenuHost& myHost;
};

}  // namespace orv
