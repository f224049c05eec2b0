// The shipped dictionaries (dist/Orvanta/dic, made by scripts/dictionaries
// from Debian's Hunspell data): every affix rule must have been expanded, so
// inflected forms are known, not only stems. Build first (scripts/build).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/Dictionary.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ShippedDictionaries.h"

namespace orv {
namespace {

struct Shipped {
  const char* folder;
  int32_t codePage;
  const char* title;
};

std::vector<std::string> unknownForms(const Shipped& s, const std::vector<const char*>& forms) {
  std::vector<std::string> missing;
  Str16 path = utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic/" + s.folder);
  if (!isFolder(path)) {
    missing.push_back(std::string("no folder ") + s.folder + " (run scripts/build)");
    return missing;
  }
  Dictionary d(path, 0);
  EXPECT_EQ(d.getCodePage(), s.codePage) << s.folder;
  EXPECT_EQ(utf16ToUtf8(d.getTitle()), s.title) << s.folder;
  for (const char* f : forms) {
    Str8 w = toNarrow(utf8ToUtf16(f), static_cast<unsigned>(s.codePage));
    if (!d.isWord(w)) missing.push_back(f);
  }
  return missing;
}

TEST(ShippedDictionaries, RussianNounsAndVerbsInAllForms) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::vector<const char*> forms = {
      // книга: six cases, singular and plural
      "книга", "книги", "книге", "книгу", "книгой", "книгою", "книг", "книгам", "книгами", "книгах",
      // стол
      "стол", "стола", "столу", "столом", "столе", "столы", "столов", "столам", "столами", "столах",
      // человек / люди
      "человек", "человека", "человеку", "человеком", "человеке", "люди", "людей", "людям", "людьми", "людях",
      // писать: present, past, future of написать
      "пишу", "пишешь", "пишет", "пишем", "пишете", "пишут", "писал", "писала", "писало", "писали",
      "напишу", "напишешь", "напишет", "напишем", "напишете", "напишут", "написал", "написали",
      // идти: both spellings the data holds
      "иду", "идёшь", "идешь", "идёт", "идет", "идём", "идут", "шёл", "шел", "шла", "шли",
      "является", "являются", "Москва", "Москве"};
  std::vector<std::string> missing = unknownForms({"ru_RU", 1251, "Русский"}, forms);
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST(ShippedDictionaries, UkrainianNounsAndVerbsInAllForms) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::vector<const char*> forms = {
      "книга", "книги", "книзі", "книгу", "книгою", "книг", "книгам", "книгами", "книгах",
      "стіл", "столу", "столові", "столом", "столі", "столи", "столів", "столам", "столами", "столах",
      "роблю", "робиш", "робить", "робимо", "робите", "роблять", "робив", "робила", "робило", "робили",
      "зроблю", "зробиш", "зробить", "зробили", "зробила",
      "дякую", "дякуєш", "дякує", "дякуємо", "дякують", "дякував",
      "Київ", "Києві", "м'ясо", "будь-який"};
  std::vector<std::string> missing = unknownForms({"uk_UA", 1251, "Українська"}, forms);
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST(ShippedDictionaries, EnglishPluralsPastParticiplesAndPossessives) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::vector<const char*> forms = {
      "cat", "cats", "cat's", "box", "boxes", "city", "cities", "child", "children", "children's",
      "walk", "walks", "walked", "walking", "run", "runs", "running", "ran", "try", "tries", "tried",
      "trying", "Paris", "Paris's", "London", "Monday"};
  std::vector<std::string> missing = unknownForms({"en_US", 1252, "English (United States)"}, forms);
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

TEST(ShippedDictionaries, UnknownAndMiscapitalisedWords) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  Dictionary en(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic/en_US"), 0);
  EXPECT_FALSE(en.isWord(str8("runnning")));
  EXPECT_FALSE(en.isWord(str8("paris")));
  EXPECT_TRUE(en.isWord(str8("Running")));  // plain words in any capitalisation
  EXPECT_EQ(en.checkWord(str8("runn")), 2);
  SetT<Str8> s = en.getSuggestions(str8("runnign"));
  EXPECT_TRUE(s.contains(str8("running")));
}

}  // namespace
}  // namespace orv
