#include <gtest/gtest.h>

#include "language/Dictionary.h"
#include "platform/Text.h"
#include "platform/sim/SimKeyboard.h"
#include "support/ScratchFolder.h"
#include "tools/curate/Curate.h"

namespace orv {
namespace {

TEST(Curate, LastLetterRunSkipsTrailingNonLetters) {
  for (auto [text, run] : {std::pair{"vj;tn", "tn"}, {"dc`", "dc"}, {"k.lb", "lb"}, {"ab12", "ab"}, {"12,", ""}})
    EXPECT_EQ(view(lastLetterRun(str8(text), 1252)), run) << text;
  for (int32_t codePage : {1251, 1252})  // еру in 1251, åðó in 1252: letters in both
    EXPECT_EQ(view(lastLetterRun(str8("\xE5\xF0\xF3"), codePage)), "\xE5\xF0\xF3") << codePage;
}

TEST(Curate, AFormGoesOnlyWhenWhatItHidesMattersMoreThanTheFormItself) {
  // forms that would be switched themselves once gone need a wide margin
  EXPECT_TRUE(shouldDrop(0, 1, true));          // "еру", not listed, hides "the"
  EXPECT_FALSE(shouldDrop(0, 5008, true));      // what it hides is too rare to matter
  EXPECT_FALSE(shouldDrop(680, 70, true));      // "руку" next to "here": both common
  EXPECT_FALSE(shouldDrop(1655, 138, true));    // "рук" next to "her"
  EXPECT_FALSE(shouldDrop(999, 1, true));       // among the first thousand
  EXPECT_TRUE(shouldDrop(1109, 51, true));      // "dc" next to "всё"
  EXPECT_FALSE(shouldDrop(1923, 6333, false));  // rarer hidden words than the form
  EXPECT_FALSE(shouldDrop(4137, 830, true));    // "jr" would become "ок": comparable
  // the others cost only a spelling mark: they go when rarer than what they hide
  EXPECT_TRUE(shouldDrop(4137, 830, false));
  EXPECT_TRUE(shouldDrop(2342, 65, false));     // "cm", the ending of "надеюсь", "боюсь", ...
  EXPECT_FALSE(shouldDrop(2000, 2100, false));
  EXPECT_FALSE(shouldDrop(999, 1, false));
  EXPECT_FALSE(shouldDrop(0, 3001, false));
  EXPECT_FALSE(shouldDrop(0, 0, false));
}

// How hidden words weigh together is the family test's; without any, no rank.
TEST(Curate, CombinedRankWithoutHiddenWordsIsZero) { EXPECT_EQ(Collision().combinedRank(), 0); }

class CurateDictionaries : public ::testing::Test {
 protected:
  void SetUp() override {
    keyboard.install(0x04090409);
    keyboard.install(0x04190419);
    us = buildLayoutCharMap(keyboard, 0x04090409);
    ru = buildLayoutCharMap(keyboard, 0x04190419);
  }
  Dictionary* make(const char* name, int32_t cp, std::initializer_list<const char*> utf8Words) {
    Dictionary* d = new Dictionary(dir.folder(name), cp);
    for (const char* w : utf8Words) d->addWord(toNarrow(utf8ToUtf16(w), cp));
    return d;
  }
  std::string writeList(const char* name, const char* text) {
    Str16 p = dir.file(name);
    test::writeBytes(p, text);
    return utf16ToUtf8(p);
  }
  test::ScratchFolder dir;
  sim::SimKeyboard keyboard;
  LayoutCharMap us, ru;
};

TEST_F(CurateDictionaries, RareFormsHidingCommonWordsAreDropped) {
  std::unique_ptr<Dictionary> en(make("en_US", 1252, {"the", "here", "next", "may"}));
  std::unique_ptr<Dictionary> rus(make("ru_RU", 1251, {"еру", "Еру", "руку", "туче", "мэн", "ь"}));
  FrequencyList enFreq = readFrequencyList(writeList("en.txt", "the\nHERE\nnext\nunknownword\n"), us);
  // the Russian list also holds an English token, which is left out
  FrequencyList ruFreq = readFrequencyList(writeList("ru.txt", "руку\nhere\n"), ru);
  EXPECT_EQ(ruFreq.words.size(), 1);
  ASSERT_EQ(enFreq.words.size(), 4);
  EXPECT_EQ(view(enFreq.words[1]), u"here");

  MapT<Str16, Collision> found;
  findCollisions(enFreq, us, *en, ru, *rus, ruFreq, "en_US", found);
  EXPECT_EQ(found.size(), 3);
  MapT<Str16, Collision> drops = selectDrops(found);
  ASSERT_EQ(drops.size(), 2);
  EXPECT_EQ(view(drops.keyAt(0)), u"\u0435\u0440\u0443");  // еру hides "the"
  EXPECT_EQ(view(drops.valAt(0).blocked), u"the");
  EXPECT_EQ(view(drops.keyAt(1)), u"\u0442\u0443\u0447\u0435");  // туче hides "next"; руку, common in Russian, stays

  Str16 in = dir.file("ru.words"), out = dir.file("ru.curated");
  test::writeBytes(in, "Еру\nеру\nруку\nтуче\nмэн\n");
  int32_t kept = 0;
  EXPECT_EQ(filterWordList(utf16ToUtf8(in), utf16ToUtf8(out), drops, &kept), 3);
  EXPECT_EQ(kept, 2);
  EXPECT_EQ(test::readBytes(out), "руку\nмэн\n");
}

// A list whose `at` entries sit at the given ranks, the rest filled with
// tokens of the list's alphabet that no dictionary knows.
std::string rankedList(std::initializer_list<std::pair<int, const char*>> at, int size, bool cyrillic) {
  std::string text;
  for (int rank = 1; rank <= size; ++rank) {
    Str16 filler = str16(cyrillic ? u"ъъ" : u"zz");
    for (int k = rank; k > 0; k /= 26) filler.append(char16_t((cyrillic ? 0x430 : 'a') + k % 26));
    std::string line = utf16ToUtf8(filler);
    for (const auto& [r, w] : at)
      if (r == rank) line = w;
    text += line + '\n';
  }
  return text;
}

TEST_F(CurateDictionaries, AFormHidingAFamilyOfWordsIsWeighedByAllOfThem) {
  // "однажды" and "дважды" typed on the US layout both end in "ls"
  std::unique_ptr<Dictionary> rus(make("ru_RU", 1251, {"однажды", "дважды"}));
  std::unique_ptr<Dictionary> en(make("en_US", 1252, {"ls"}));
  FrequencyList enFreq = readFrequencyList(writeList("en.txt", rankedList({{1500, "ls"}}, 1600, false).c_str()), us);
  ASSERT_EQ(*enFreq.rank.get(str16(u"ls")), 1500);

  // Each word alone is rarer than "ls"; together they outweigh it.
  FrequencyList both =
      readFrequencyList(writeList("both.txt", rankedList({{1990, "однажды"}, {2010, "дважды"}}, 2100, true).c_str()), ru);
  MapT<Str16, Collision> found;
  findCollisions(both, ru, *rus, us, *en, enFreq, "ru_RU", found);
  ASSERT_EQ(found.size(), 1);
  const Collision& c = found.valAt(0);
  EXPECT_EQ(view(c.form), u"ls");
  EXPECT_EQ(view(c.blocked), u"однажды");
  EXPECT_EQ(c.blockedRank, 1990);
  EXPECT_EQ(c.hidden, 2);
  EXPECT_EQ(c.combinedRank(), 1000);
  EXPECT_EQ(c.formRank, 1500);
  EXPECT_FALSE(c.formWouldSwitch);
  EXPECT_EQ(selectDrops(found).size(), 1);

  // Another language where "ls" reads as a word ("ды" here) would switch the
  // form itself once it is gone: the lighter source's flag still counts.
  FrequencyList one = readFrequencyList(writeList("one.txt", rankedList({{2000, "однажды"}}, 2100, true).c_str()), ru);
  std::unique_ptr<Dictionary> other(make("xx_XX", 1251, {"однажды", "ды"}));
  findCollisions(one, ru, *other, us, *en, enFreq, "xx_XX", found);
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found.valAt(0).hidden, 2);  // the heavier source stays
  EXPECT_TRUE(found.valAt(0).formWouldSwitch);
  EXPECT_EQ(selectDrops(found).size(), 0);
}

TEST_F(CurateDictionaries, AFormIsSwitchedItselfOnlyAsAWholeWordWithNothingGluedBefore) {
  std::unique_ptr<Dictionary> rus(make("ru_RU", 1251, {"ищи", "ды", "ок"}));
  EXPECT_TRUE(wouldSwitch(str16(u"bob"), us, ru, *rus));   // reads "ищи"
  EXPECT_TRUE(wouldSwitch(str16(u"ls"), us, ru, *rus));    // reads "ды"
  EXPECT_FALSE(wouldSwitch(str16(u"km"), us, ru, *rus));   // "ль" is unknown here
  std::unique_ptr<Dictionary> en(make("en_US", 1252, {"jr"}));
  EXPECT_TRUE(wouldSwitch(str16(u"ок"), ru, us, *en));     // reads "jr"
  EXPECT_FALSE(wouldSwitch(str16(u"бок"), ru, us, *en));   // reads ",jr": glued to the comma
  std::unique_ptr<Dictionary> jrjr(make("xx_XX", 1252, {"jr", "jrjr"}));
  EXPECT_FALSE(wouldSwitch(str16(u"ок,ок"), ru, us, *jrjr));  // "jr?jr": the last "jr" is glued
}

TEST_F(CurateDictionaries, CommandReportsAndRejectsBadArguments) {
  FILE* sink = std::tmpfile();
  for (auto [option, value] : {std::pair{"--target-layout", "xx"}, {"--out", "x"}, {"--source", "us:onlytwo"}}) {
    const char* args[] = {"orvanta-curate", option, value};
    EXPECT_EQ(runCurate(3, args, sink, sink), 2) << option;
  }
  std::fclose(sink);
}

}  // namespace
}  // namespace orv
