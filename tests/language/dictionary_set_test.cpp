// DictionarySet: questions across dictionaries, synchronisation with the
// folders and the "dic" settings, and the Dictionaries panel's Add button.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>

#include "core/SynchObject.h"
#include "language/Dictionary.h"
#include "language/DictionarySet.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

struct FakeSettings : IDictionarySettings {
  Str16 order, skip;
  Str16 dicOrder() override { return order; }
  Str16 dicSkip() override { return skip; }
};

// An English layout types ASCII letters, a Russian one Cyrillic letters.
struct FakeLayouts : ILayoutCatalog {
  int32_t layoutCount() override { return 2; }
  Str8 layoutLanguage(int32_t i) override { return str8(i == 0 ? "ru" : "en"); }
  int32_t layoutCodePage(int32_t i) override { return i == 0 ? 1251 : 1252; }
  bool layoutCanType(int32_t i, const Str16& word) override {
    for (char16_t c : word)
      if (i == 0 ? c < 0x410 || c > 0x44F : c > 0x7F || !std::isalpha(c)) return false;
    return true;
  }
};

std::u16string names(const DictionarySet& set) {
  std::u16string out;
  for (int32_t i = 0; i < set.size(); ++i) out += (i ? u" " : u"") + std::u16string(view(set.at(i)->getName()));
  return out;
}

struct DictionarySetTest : ::testing::Test {
  ScratchFolder dir;
  SynchObject lock;
  DictionarySet set{dir.path(), lock};
  FakeSettings settings;
  FakeLayouts layouts;

  void SetUp() override {
    set.bindSettings(&settings);
    set.bindLayouts(&layouts);
  }
  Str16 dicFolder(const char* name, const char* charset) {
    Str16 f = dir.folder(std::string("dic/") + name);
    writeBytes(joinPath(f, u"charset"), charset);
    return f;
  }
};

// One final answer wins; a prefix in any dictionary keeps the word open. Only
// dictionaries of the code page are asked ("xyz" is known in 1251 only), and
// a language asks only its own folders.
TEST_F(DictionarySetTest, OneIsFinalTwoCanStillBecomeOneAskingOnlyTheCodePageAndTheLanguage) {
  set.append(dicFolder("a_A", "windows-1252"), 0)->addWord(str8("abcd"));
  set.append(dicFolder("b_B", "windows-1252"), 0)->addWord(str8("ab"));
  set.append(dicFolder("b-X", "windows-1251"), 0)->addWord(str8("xyz"));
  for (auto [word, codePage, check, known] : {std::tuple{"ab", 1252, 1, true}, {"abc", 1252, 2, false}, {"q", 1252, 0, false},
                                              {"xyz", 1252, 0, false}, {"xyz", 1251, 1, true}, {"ABCD", 1252, 1, true},
                                              {"abcd", 1251, 0, false}}) {
    EXPECT_EQ(set.checkInSet(str8(word), codePage), check) << word << " " << codePage;
    EXPECT_EQ(set.isKnown(str8(word), codePage), known) << word << " " << codePage;
  }
  for (auto [word, codePage, language, check] : {std::tuple{"ab", 1252, "b", 1}, {"ab", 1252, "a", 2}, {"abcd", 1252, "b", 0},
                                                 {"xyz", 1252, "b", 0}, {"xyz", 1251, "b", 1}, {"ab", 1252, "", 0}})
    EXPECT_EQ(set.checkInLanguage(str8(word), codePage, str8(language)), check) << word << " " << language;
}

TEST_F(DictionarySetTest, FindingByNameIsExactAndRemovingIgnoresCase) {
  set.append(dicFolder("en_US", "windows-1252"), 0);
  set.append(dicFolder("ru_RU", "windows-1251"), 0);
  EXPECT_EQ(set.indexOfName(str16(u"ru_RU")), 1);
  EXPECT_EQ(set.indexOfName(str16(u"RU_ru")), -1);  // exact
  EXPECT_EQ(set.findByName(str16(u"en_US")), set.at(0));
  set.removeByName(str16(u"EN_us"));  // ignores ASCII case
  EXPECT_EQ(names(set), u"ru_RU");
}

TEST_F(DictionarySetTest, SynchronisesWithFoldersOrderAndSkip) {
  for (const char* n : {"a_A", "b_B", "c_C"}) dicFolder(n, "windows-1252");
  writeBytes(dir.file("dic/plain_file"), "x");
  settings.order = str16(u"c_C gone_G  a_A");
  settings.skip = str16(u"B_b");
  set.syncWithConfiguration();
  EXPECT_EQ(names(set), u"c_C a_A");
  IDictionary* c = set.at(0);

  settings.order = str16(u"a_A c_C");
  dicFolder("d_D", "windows-1252");
  set.syncWithConfiguration();
  EXPECT_EQ(names(set), u"a_A c_C d_D");  // a new folder goes to the end
  EXPECT_EQ(set.at(1), c);                // moved, not made again

  removeTree(dir.file("dic/a_A"));
  set.syncWithConfiguration();
  EXPECT_EQ(names(set), u"c_C d_D");  // a vanished folder is dropped

  settings.skip = str16(u"d_D c_C b_B");
  set.syncWithConfiguration();
  EXPECT_EQ(names(set), u"");
}

TEST_F(DictionarySetTest, AddUserWordSavesAtOnceOrSaysWhyNot) {
  set.append(dicFolder("en_US", "windows-1252"), 0);
  set.append(dicFolder("ru_RU", "windows-1251"), 0);
  for (auto [typed, reply] : {std::pair{u"  \t ", u""}, {u"a1", u"Invalid word"}, {u"don't", u"Invalid word"},
                              {u"caf\u00E9", u"Invalid code page"}, {u" hello ", u"word posted\r\nhello"},
                              {u"hello", u"word already exists\r\nhello"}, {u"Москва", u"word posted\r\nМосква"}})
    EXPECT_EQ(view(set.addUserWord(str16(typed))), reply) << utf16ToUtf8(std::u16string_view(typed));
  // Known to the set, and saved at once: a fresh dictionary over the same folder knows it too.
  for (auto [folder, word, codePage] : {std::tuple{"dic/en_US", u"hello", 1252}, {"dic/ru_RU", u"Москва", 1251}}) {
    EXPECT_TRUE(set.isKnown(toNarrow(str16(word), codePage), codePage)) << folder;
    EXPECT_TRUE(Dictionary(dir.file(folder), 0).isWord(toNarrow(str16(word), codePage))) << folder;
  }
}

TEST_F(DictionarySetTest, AddUserWordWithoutADictionaryOfTheLanguage) {
  set.append(dicFolder("ru_RU", "windows-1251"), 0);
  EXPECT_EQ(view(set.addUserWord(str16(u"hello"))), u"word posted\r\nhello");
  EXPECT_FALSE(set.isKnown(str8("hello"), 1252));
}

}  // namespace
}  // namespace orv
