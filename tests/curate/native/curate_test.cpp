#include <gtest/gtest.h>

#include "language/Dictionary.h"
#include "platform/Text.h"
#include "platform/sim/SimKeyboard.h"
#include "support/ScratchFolder.h"
#include "tools/curate/Curate.h"

namespace orv {
namespace {

TEST(Curate, LastLetterRunSkipsTrailingNonLetters) {
  EXPECT_EQ(view(lastLetterRun(str8("vj;tn"), 1252)), "tn");
  EXPECT_EQ(view(lastLetterRun(str8("dc`"), 1252)), "dc");
  EXPECT_EQ(view(lastLetterRun(str8("k.lb"), 1252)), "lb");
  EXPECT_EQ(view(lastLetterRun(str8("ab12"), 1252)), "ab");
  EXPECT_EQ(view(lastLetterRun(str8("12,"), 1252)), "");
  EXPECT_EQ(view(lastLetterRun(str8("\xE5\xF0\xF3"), 1251)), "\xE5\xF0\xF3");  // еру
  EXPECT_EQ(view(lastLetterRun(str8("\xE5\xF0\xF3"), 1252)), "\xE5\xF0\xF3");  // åðó are letters in 1252 too
}

TEST(Curate, WhenATargetFormGoes) {
  EXPECT_TRUE(shouldDrop(0, 1));         // "еру", not listed, hides "the"
  EXPECT_FALSE(shouldDrop(0, 5008));     // the source word is too rare to matter
  EXPECT_FALSE(shouldDrop(680, 70));     // "руку" next to "here": both common
  EXPECT_FALSE(shouldDrop(1655, 138));   // "рук" next to "her"
  EXPECT_FALSE(shouldDrop(999, 1));      // among the first thousand
  EXPECT_TRUE(shouldDrop(3040, 49));     // "tn" next to "может"
  EXPECT_TRUE(shouldDrop(1109, 51));     // "dc" next to "всё"
  EXPECT_FALSE(shouldDrop(5000, 2000));  // comparable frequency
  EXPECT_FALSE(shouldDrop(0, 0));
}

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

  MapT<Str16, Collision> drops;
  findCollisions(enFreq, us, *en, ru, *rus, ruFreq, "en_US", drops);
  ASSERT_EQ(drops.size(), 2);
  EXPECT_EQ(view(drops.keyAt(0)), u"\u0435\u0440\u0443");  // еру hides "the"
  EXPECT_EQ(view(drops.valAt(0).blocked), u"the");
  EXPECT_EQ(view(drops.keyAt(1)), u"\u0442\u0443\u0447\u0435");  // туче hides "next"
  EXPECT_FALSE(drops.contains(utf8ToUtf16("руку")));        // common in Russian: the tie stays

  Str16 in = dir.file("ru.words"), out = dir.file("ru.curated");
  test::writeBytes(in, "Еру\nеру\nруку\nтуче\nмэн\n");
  int32_t kept = 0;
  EXPECT_EQ(filterWordList(utf16ToUtf8(in), utf16ToUtf8(out), drops, &kept), 3);
  EXPECT_EQ(kept, 2);
  EXPECT_EQ(test::readBytes(out), "руку\nмэн\n");
}

TEST_F(CurateDictionaries, CommandReportsAndRejectsBadArguments) {
  const char* bad[] = {"orvanta-curate", "--target-layout", "xx"};
  FILE* sink = std::tmpfile();
  EXPECT_EQ(runCurate(3, bad, sink, sink), 2);
  const char* missing[] = {"orvanta-curate", "--out", "x"};
  EXPECT_EQ(runCurate(3, missing, sink, sink), 2);
  const char* badSource[] = {"orvanta-curate", "--source", "us:onlytwo"};
  EXPECT_EQ(runCurate(3, badSource, sink, sink), 2);
  std::fclose(sink);
}

}  // namespace
}  // namespace orv
