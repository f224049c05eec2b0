#pragma once
// Dictionary: one dictionary folder. The folder's name (say ru_RU) names the
// index files ru_RU.ldic (plain, lower-case words) and ru_RU.udic (cased
// words with their capitals), and its part before the last '-' or '_' is the
// language code (ru). Optional files: "charset" (the code page's charset
// name), "equality" (letters replaced before every lookup and insertion),
// "title" (UTF-16LE display title after a byte-order mark).

#include "language/CodePageCase.h"
#include "language/DubIndex.h"
#include "language/IDictionary.h"

namespace orv {

class Dictionary : public IDictionary {
 public:
  // Loads the folder, creating it when missing. `codePage` is kept when the
  // folder has no charset file or names an unknown charset.
  Dictionary(const Str16& folder, int32_t codePage);
  ~Dictionary() override;

  Str16 getName() const override;
  int32_t getCodePage() const override { return myCodePage; }
  Str8 getLanguage() const override { return myLanguage; }
  Str16 getTitle() override;
  void addWord(const Str8& word) override;
  bool save() override;
  void writeWordList(FILE* stream, const char* lineEnd) override;
  bool isWord(const Str8& word) override;
  int checkWord(const Str8& word) override;
  SetT<Str8> getSuggestions(const Str8& word) override;
  SetT<char> getCharList() override;
  SetT<Str8> getCompletions(const Str8& prefix, int32_t max) override;

  // The form both indexes store a word under: letters replaced by the
  // equality table, then lower-cased.
  Str8 storedForm(const Str8& word) const;

  const Str16& folder() const { return myFolder; }
  const DubIndex& plainIndex() const { return *myPlain; }
  const DubIndex& casedIndex() const { return *myCased; }
  // The equality table: the replacement of each byte, or 0.
  unsigned char equalityOf(unsigned char b) const { return myEquality[b]; }

  // The last component of a path ('\' or '/' separated, a trailing one ignored).
  static Str16 lastComponent(const Str16& path);
  // The language code of a folder name: cut at the last '-' or '_' after the
  // first character, ASCII letters lowered.
  static Str8 languageOf(const Str16& name);

 private:
  struct Prepared;
  bool prepare(const Str8& word, Prepared& p) const;
  int32_t casedMatch(const Prepared& p) const;
  void readCharsetAndEquality();
  void setCodePage(int32_t codePage);
  Str8 normalise(const char* word, int32_t len) const;

  Str16 myFolder;
  Str8 myLanguage;
  DubIndex* myPlain = nullptr;
  DubIndex* myCased = nullptr;
  int32_t myCodePage;
  Str16 myTitle;
  unsigned char myEquality[256] = {};
  const CodePageCase* myCase = nullptr;  // shared, lives as long as the process
};

// The display title in a dictionary folder's "title" file (UTF-16 after a
// byte-order mark); empty when there is none.
Str16 readDictionaryTitle(const Str16& folder);

}  // namespace orv
