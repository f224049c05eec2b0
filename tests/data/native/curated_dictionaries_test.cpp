// The shipped dictionaries after the curation for wrong-layout detection
// (scripts/dictionaries): the forms that hid common words of the other
// language are gone, common words of every language are all still there, and
// only a sliver of the forms was dropped. Build first (scripts/build).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "language/Dictionary.h"
#include "platform/FileSystem.h"
#include "core/SetT.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"
#include "support/ShippedDictionaries.h"

namespace orv {
namespace {

std::string folderOf(const char* name) { return std::string(ORV_SOURCE_DIR) + "/dist/Orvanta/dic/" + name; }

int status(Dictionary& d, const char* utf8) { return d.checkWord(toNarrow(utf8ToUtf16(utf8), d.getCodePage())); }

TEST(CuratedDictionaries, CollidingRareFormsAreGoneCommonWordsStay) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  Dictionary en(utf8ToUtf16(folderOf("en_US")), 0), ru(utf8ToUtf16(folderOf("ru_RU")), 0),
      uk(utf8ToUtf16(folderOf("uk_UA")), 0);
  // the forms that hid "the", "but", "next" (typed on the Russian layout) and
  // "может", "люди", "всё" (typed on the US layout)
  for (const char* w : {"еру", "иге", "туче"}) EXPECT_NE(status(ru, w), 1) << w;
  for (const char* w : {"tn", "lb", "dc"}) EXPECT_NE(status(en, w), 1) << w;
  // both common: kept, so that neither is switched
  EXPECT_EQ(status(ru, "руку"), 1);
  EXPECT_EQ(status(en, "here"), 1);
  for (const char* w : {"the", "but", "next", "you", "what", "know", "people", "running", "children's", "time",
                        "would", "there", "about", "think", "right", "little", "money", "house", "night"})
    EXPECT_EQ(status(en, w), 1) << w;
  for (const char* w : {"может", "люди", "всё", "что", "это", "так", "если", "хорошо", "почему", "людьми",
                        "написали", "сейчас", "спасибо", "человек", "тебя", "знаю", "нужно", "время"})
    EXPECT_EQ(status(ru, w), 1) << w;
  for (const char* w : {"дякую", "зробили", "може", "люди", "треба", "тільки", "знаю", "добре", "чому", "зараз",
                        "людина", "будь", "його", "тобі", "щось"})
    EXPECT_EQ(status(uk, w), 1) << w;
}

// The dropped forms of a report, lower case.
SetT<Str16> droppedForms(const std::string& report) {
  SetT<Str16> forms;
  size_t at = 0;
  while (at < report.size()) {
    size_t end = report.find('\n', at);
    if (end == std::string::npos) end = report.size();
    std::string line = report.substr(at, end - at);
    at = end + 1;
    if (line.rfind("# Kept", 0) == 0) break;
    if (line.empty() || line[0] == '#') continue;
    forms.add(utf8ToUtf16(line.substr(0, line.find('\t'))));
  }
  return forms;
}

TEST(CuratedDictionaries, EveryFormOfTheFullExpansionIsKeptButTheDroppedOnes) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  for (const char* name : {"en_US", "ru_RU", "uk_UA"}) {
    std::string fullFolder = std::string(ORV_SOURCE_DIR) + "/build/dictionaries/full/" + name;
    if (!isFolder(utf8ToUtf16(fullFolder))) GTEST_SKIP() << "the full expansion is not built (" << fullFolder << ")";
    Dictionary full(utf8ToUtf16(fullFolder), 0), curated(utf8ToUtf16(folderOf(name)), 0);
    SetT<Str16> dropped = droppedForms(test::readBytes(utf8ToUtf16(folderOf(name) + "/curation.txt")));
    ASSERT_GT(dropped.size(), 0) << name;
    for (int32_t i = 0; i < dropped.size(); ++i)
      EXPECT_NE(curated.checkWord(toNarrow(dropped.at(i), curated.getCodePage())), 1) << utf16ToUtf8(dropped.at(i));

    FILE* list = std::tmpfile();
    ASSERT_NE(list, nullptr);
    full.writeWordList(list, "\n");
    std::rewind(list);
    // The list holds the cased index's words in lower case, so the curated
    // dictionary must answer each line as the full one does. Every 7th form
    // keeps the run short on the large dictionaries.
    char line[256];
    long seen = 0, missing = 0, left = 0;
    for (long n = 0; std::fgets(line, sizeof(line), list); ++n) {
      if (n % 7) continue;
      Str8 word = str8(std::string(line, std::strcspn(line, "\r\n")));
      Str16 lower = toWide(word, full.getCodePage());
      charLowerBuffW(lower.data(), lower.size());
      ++seen;
      if (dropped.contains(lower))
        ++left;
      else if (curated.checkWord(word) != full.checkWord(word) && ++missing < 10)
        ADD_FAILURE() << name << ": lost " << utf16ToUtf8(toWide(word, full.getCodePage()));
    }
    std::fclose(list);
    EXPECT_GT(seen, 20000) << name;
    EXPECT_EQ(missing, 0) << name;
    EXPECT_LT(left * 1000, seen) << name;
  }
}

TEST(CuratedDictionaries, ReportsListWhatWasDroppedAndItIsUnderATenthOfAPercent) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  for (const char* name : {"en_US", "ru_RU", "uk_UA"}) {
    std::string report = test::readBytes(utf8ToUtf16(folderOf(name) + "/curation.txt"));
    ASSERT_FALSE(report.empty()) << name;
    int dropped = -1, total = -1;
    size_t at = report.find("that word's dictionary. ");
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(std::sscanf(report.c_str() + at, "that word's dictionary. %d of %d", &dropped, &total), 2);
    EXPECT_GT(dropped, 0) << name;
    EXPECT_LT(dropped * 1000, total) << name;
  }
}

}  // namespace
}  // namespace orv
