// Dictionary: the folder's files, normalisation, capitals, the three answers
// of checkWord, suggestions and completions.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "language/Dictionary.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

// Test words are written in UTF-8 and stored in the dictionary's code page.
Str8 cp(const char* utf8, int32_t codePage) { return toNarrow(utf8ToUtf16(utf8), static_cast<unsigned>(codePage)); }

// Both builds run on little-endian x86.
std::string utf16le(std::u16string_view s) { return std::string(reinterpret_cast<const char*>(s.data()), 2 * s.size()); }

struct DictionaryTest : ::testing::Test {
  ScratchFolder dir;
  Str16 folder(const char* name, const char* charset = nullptr) {
    Str16 f = dir.folder(name);
    if (charset) writeBytes(joinPath(f, u"charset"), charset);
    return f;
  }
};

TEST(DictionaryNames, LanguageCodeAndNameFromTheFolder) {
  for (auto [folder, language] : {std::pair{u"ru_RU", "ru"}, {u"en-US", "en"}, {u"EN-us", "en"}, {u"xx", "xx"},
                                   {u"_ab", "_ab"}, {u"sr-Latn_CS", "sr-latn"}})
    EXPECT_EQ(view(Dictionary::languageOf(str16(folder))), language);
  for (auto [path, last] : {std::pair{u"C:\\prog\\dic\\ru_RU\\", u"ru_RU"}, {u"/prog/dic/uk_UA", u"uk_UA"}, {u"", u""}})
    EXPECT_EQ(view(Dictionary::lastComponent(str16(path))), last);
}

TEST_F(DictionaryTest, ConstructionCreatesTheFolderAndNamesTheIndexes) {
  Str16 f = dir.file("en_US");
  Dictionary d(f, 1252);
  EXPECT_TRUE(isFolder(f));
  EXPECT_EQ(view(d.getName()), u"en_US");
  EXPECT_EQ(view(d.getLanguage()), "en");
  d.addWord(str8("cat"));
  d.addWord(str8("Paris"));
  ASSERT_TRUE(d.save());
  for (const char* file : {"en_US.ldic", "en_US.ldic.ch", "en_US.udic", "en_US.udic.ch"})
    EXPECT_TRUE(pathExists(dir.file(std::string("en_US/") + file))) << file;
  EXPECT_EQ(readBytes(dir.file("en_US/charset")), "windows-1252");

  Dictionary again(f, 0);  // the charset file decides the code page
  EXPECT_EQ(again.getCodePage(), 1252);
  EXPECT_TRUE(again.isWord(str8("cat")));
  EXPECT_TRUE(again.isWord(str8("Paris")));
}

TEST_F(DictionaryTest, PlainWordsInAnyCaseCasedWordsOnlyAsStored) {
  Dictionary d(folder("en_US", "windows-1252"), 0);
  for (const char* w : {"paris", "Rome", "Nice", "nicer"}) d.addWord(str8(w));
  // isWord, then checkWord. "ro" is the start of a cased word typed in lower
  // case, but "Ro" is not: a prefix has no capitals to match. A plain word
  // goes on from "Nice".
  for (auto [w, known, check] : {std::tuple{"paris", true, 1}, {"Paris", true, 1}, {"PARIS", true, 1}, {"pArIs", true, 1},
                                 {"Rome", true, 1}, {"rome", false, 0}, {"ROME", false, 0}, {"RoMe", false, 0},
                                 {"ro", false, 2}, {"Ro", false, 0}, {"PAR", false, 2}, {"Nice", true, 2},
                                 {"x", false, 0}, {"", false, 0}}) {
    EXPECT_EQ(d.isWord(str8(w)), known) << w;
    EXPECT_EQ(d.checkWord(str8(w)), check) << w;
  }

  // Adding again with other capitals replaces the stored ones.
  d.addWord(str8("ROME"));
  EXPECT_TRUE(d.isWord(str8("ROME")));
  EXPECT_FALSE(d.isWord(str8("Rome")));
}

TEST_F(DictionaryTest, EqualityMapsLettersBeforeLookupAndInsertion) {
  Str16 f = folder("ru_RU", "windows-1251");
  writeBytes(joinPath(f, u"equality"), std::string(view(cp("ё е\n", 1251))) + "\n" + "junk line here\n");
  Dictionary d(f, 0);
  d.addWord(cp("ёлка", 1251));
  EXPECT_TRUE(d.plainIndex().hasWord(cp("елка", 1251)));  // stored mapped
  EXPECT_TRUE(d.isWord(cp("ёлка", 1251)));
  EXPECT_EQ(d.checkWord(cp("ёл", 1251)), 2);
}

TEST_F(DictionaryTest, TitleFileOrFolderNameReadOnce) {
  for (auto [name, file, title] : {std::tuple{"ru_RU", u"\xFEFFРусский", u"Русский"},
                                   {"xx", static_cast<const char16_t*>(nullptr), u"xx"}, {"yy", u"\xFEFF", u"yy"}}) {
    Str16 f = folder(name);
    if (file) writeBytes(joinPath(f, u"title"), utf16le(file));
    Dictionary d(f, 1252);
    EXPECT_EQ(view(d.getTitle()), title) << name;
    writeBytes(joinPath(f, u"title"), utf16le(u"\xFEFFOther"));
    EXPECT_EQ(view(d.getTitle()), title) << name;
  }
}

// The word list's order is the export's test (cased words first, then tree order).
TEST_F(DictionaryTest, CharListAndCompletions) {
  Dictionary d(folder("en_US", "windows-1252"), 0);
  for (const char* w : {"cat", "cats", "catalog", "Catalina", "dog"}) d.addWord(str8(w));
  SetT<char> letters = d.getCharList();
  EXPECT_EQ(letters.size(), 10);  // a c d g i l n o s t
  EXPECT_TRUE(letters.contains('n'));

  SetT<Str8> c = d.getCompletions(str8("cat"), 20);
  ASSERT_EQ(c.size(), 3);
  EXPECT_EQ(view(c.at(0)), "Catalina");
  EXPECT_EQ(view(c.at(1)), "catalog");
  EXPECT_EQ(view(c.at(2)), "cats");
  EXPECT_EQ(d.getCompletions(str8("CAT"), 20).size(), 3);
  EXPECT_EQ(d.getCompletions(str8("cat"), 2).size(), 2);
}

// The charset file names the code page (in any case, but whole); without
// one, or with an unknown name, the code page given at construction holds.
// The equality file applies unless the charset name is unknown.
TEST_F(DictionaryTest, TheCharsetFileDecidesTheCodePageAndWhetherEqualityApplies) {
  for (auto [name, charset, given, codePage, equalityApplies] :
       {std::tuple{"line_break", "windows-1251\n", 1252, 1252, false}, {"upper_case", "Windows-1251", 0, 1251, true},
        {"no_charset", nullptr, 1252, 1252, true}}) {
    SCOPED_TRACE(name);
    Str16 f = folder(name, charset);
    writeBytes(joinPath(f, u"equality"), "a b\n");
    Dictionary d(f, given);
    EXPECT_EQ(d.getCodePage(), codePage);
    d.addWord(str8("cat"));
    EXPECT_EQ(d.plainIndex().hasWord(str8("cbt")), equalityApplies);
  }
}

// Capitals in the dictionary's code page, not the system's (1252 in both
// test builds), multibyte ones included: stored with the cased index, known
// only with exactly those capitals, and given back by completion.
TEST_F(DictionaryTest, CapitalsInMultibyteCodePages) {
  for (auto [charset, codePage] : {std::pair{"windows-1251", 1251}, {"utf-8", 65001}, {"shift_jis", 932}}) {
    SCOPED_TRACE(charset);
    Dictionary d(folder(charset, charset), 0);
    ASSERT_EQ(d.getCodePage(), codePage);
    for (const char* w : {"Москва", "город"}) d.addWord(cp(w, codePage));
    EXPECT_TRUE(d.casedIndex().hasWord(cp("москва", codePage)));
    EXPECT_TRUE(d.isWord(cp("Москва", codePage)));
    EXPECT_EQ(d.checkWord(cp("Москва", codePage)), 1);
    for (const char* w : {"москва", "МОСКВА", "МосквА"}) EXPECT_FALSE(d.isWord(cp(w, codePage))) << w;
    for (const char* w : {"город", "Город", "ГОРОД"}) EXPECT_TRUE(d.isWord(cp(w, codePage))) << w;
    EXPECT_EQ(d.checkWord(cp("мос", codePage)), 2);
    SetT<Str8> c = d.getCompletions(cp("мо", codePage), 5);
    ASSERT_EQ(c.size(), 1);
    EXPECT_EQ(utf16ToUtf8(toWide(c.at(0), static_cast<unsigned>(codePage))), "Москва");
  }
}

// Which edits give candidates is suggest_test's; here, what the dictionary
// adds: both indexes, each candidate once, the stored capitals.
TEST_F(DictionaryTest, SuggestionsComeFromBothIndexesOnceEachWithTheirCapitals) {
  Dictionary d(folder("en_US", "windows-1252"), 0);
  for (const char* w : {"the", "ca", "Paris"}) d.addWord(str8(w));
  // the suggestions, space separated
  for (auto [typed, expected] : {
           std::pair{"thex", "the"},  // the exchange with the end and the deletion: once
           {"cax", "ca"},             // three letters: only the exchange with the end shortens
           {"xca", ""},               // and no deletion does
           {"pariss", "Paris"},       // from the cased index, with its capitals
       }) {
    SetT<Str8> s = d.getSuggestions(str8(typed));
    std::string got;
    for (int32_t i = 0; i < s.size(); ++i) got += (i ? " " : "") + std::string(view(s.at(i)));
    EXPECT_EQ(got, expected) << typed;
  }
}

}  // namespace
}  // namespace orv
