// Transliteration tables: reading the files, choosing the table by the
// text, greedy matching, and the choice of the active set.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "language/Translit.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

constexpr uint32_t kRussian = 0x419, kUkrainian = 0x422, kEnglish = 0x409;

std::string cp1251(const char* utf8) { return std::string(view(toNarrow(utf8ToUtf16(utf8), 1251))); }

struct Tables : ::testing::Test {
  test::ScratchFolder dir;
  void put(const char* relative, const char* utf8) {
    dir.folder(std::string(relative).substr(0, std::string(relative).rfind('/')));
    ASSERT_TRUE(test::writeBytes(dir.file(std::string_view(relative)), cp1251(utf8)));
  }
  Translit load(uint32_t language) {
    Translit t(language);
    t.load(dir.path());
    return t;
  }
};

TEST_F(Tables, ConvertChoosesTheTableByTheFirstDecidingLetterAndTriesTheLongestKeyFirst) {
  put("ru/to_eng.txt", "ь '\nьо yo\nа a\nЖ ZH\n");
  put("ru/from_eng.txt", "a а\ny ы\nya я\n");
  Translit t = load(kRussian);
  SetT<unsigned> cyrillic;
  for (unsigned c = 0x410; c <= 0x44F; ++c) cyrillic.add(c);
  // "untouched": no deciding letter, nothing written
  for (auto [text, expected] : {
      std::pair{"ьо", "yo"},   // the two-letter key, not "ь" and then "о"
      {"ььоа", "'yoa"},
      {"жЖ", "жZH"},           // only the capital has a key
      {"12, yaa", "12, яа"},   // digits and punctuation decide nothing
      {"12 ьа", "12 'a"},
      {"a ь", "а ь"},          // from Latin: the Cyrillic letter has no key there
      {"12 !?", "untouched"},
      {"", "untouched"},
       }) {
    Str16 wide = str16(u"untouched");
    Str8 narrow;
    bool ok = t.convert(utf8ToUtf16(text), cyrillic, wide, narrow);
    EXPECT_EQ(ok, std::string(expected) != "untouched") << text;
    EXPECT_EQ(utf16ToUtf8(wide), expected) << text;
    if (ok) { EXPECT_EQ(std::string(view(narrow)), cp1251(expected)) << text; }
  }
}

TEST_F(Tables, FilesComeFromTheCultureFolderFirstAndEnglishNeverGetsAny) {
  put("ru-RU/to_eng.txt", "а culture\n");
  put("ru/to_eng.txt", "а language\n");
  put("ru/from_eng.txt", "a а\n");
  put("en/to_eng.txt", "a b\n");
  put("en-US/from_eng.txt", "a b\n");
  Translit ru = load(kRussian);
  ASSERT_EQ(ru.toLatin().size(), 1);
  EXPECT_EQ(utf16ToUtf8(ru.toLatin().valAt(0).wide), "culture");
  EXPECT_EQ(ru.fromLatin().size(), 1);  // not in ru-RU: taken from ru
  EXPECT_FALSE(load(kEnglish).hasTables());
  EXPECT_FALSE(load(kUkrainian).hasTables());  // no folder at all
}

TEST(TranslitFile, LinesOfTwoTokensInPiecesOfNinetyNineBytes) {
  std::string text = "a b\n";
  text += "one\n" "c d e\n" "\f f\tg \r\n" "a h\n";  // one or three tokens: ignored; the later "a" wins
  text += std::string(95, ' ') + "iiii j k\n";  // cut after 99 bytes: "iiii" alone, then "j k"
  TranslitTable table;
  int32_t longest = Translit::parseTable(str8(text), 1251, table);
  ASSERT_EQ(table.size(), 3);
  for (auto [key, value] : {std::pair{u"a", "h"}, {u"f", "g"}, {u"j", "k"}}) {
    const UStrWAPair* v = table.get(str16(key));
    ASSERT_NE(v, nullptr) << value;
    EXPECT_EQ(std::string(view(v->narrow)), value);
  }
  EXPECT_EQ(longest, 1);
}

TEST_F(Tables, TheActiveSetFollowsTheSettingAndAutomaticWritesTheChoiceBack) {
  put("ru/to_eng.txt", "а a\n");
  put("uk/from_eng.txt", "a а\n");
  Translit en = load(kEnglish), ru = load(kRussian), uk = load(kUkrainian), bare(0x407);
  const Translit* all[] = {&en, &bare, &ru, &uk};
  const ArrT<const Translit*> sets(all, 4), englishOnly(all, 1);
  for (auto [from, active, index, writeBack] : {
           std::tuple{&sets, "*", -1, "*"}, {&sets, "?", 2, "ru"}, {&sets, "uk", 3, "uk"},
           {&sets, "de", 1, "de"},         // a named layout without tables is taken
           {&sets, "fr", 2, "ru"},         // no such layout: as "?"
           {&englishOnly, "?", -1, "?"},  // no tables anywhere
       }) {
    Str8 back;
    EXPECT_EQ(selectActiveTranslit(*from, str8(active), back), index) << active;
    EXPECT_EQ(std::string(view(back)), writeBack) << active;
  }
}

}  // namespace
}  // namespace orv
