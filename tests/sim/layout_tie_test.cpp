// Several layouts giving a known word: which ties are real (no switch) and
// which are one word found through a code page two languages share.
#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct Words {
  const char* language;  // "" for a dictionary whose folder names no language
  std::vector<const char*> words;
  int32_t codePage = 1251;
};

struct Step {
  Hkl layout;  // switched to by the user before the keys, when not already active
  const char* keys;
};

struct TieCase {
  const char* name;
  std::vector<Words> dictionaries;
  std::vector<Step> steps;  // every step after the first starts with a click
  const char* shown;
  Hkl after;
  int spaceOnly = 1;
  std::vector<Hkl> layouts = {kUs, kRu, kUa};
};

void run(const TieCase& c) {
  SCOPED_TRACE(c.name);
  SimSettings settings;
  settings.spaceOnly = c.spaceOnly;
  WordSet words;
  for (const Words& dic : c.dictionaries)
    for (const char* w : dic.words) words.add(dic.codePage, {w}, dic.language);
  auto d = desktopWith(c.layouts, settings, words);
  d->languageDictionary = [&](const Str8& w, int32_t cp, const Str8& lang) { return words.checkLanguage(w, cp, lang); };
  for (size_t k = 0; k < c.steps.size(); ++k) {
    if (k > 0) d->userClick(static_cast<int32_t>(d->appText().size()));
    if (d->activeLayout() != c.steps[k].layout) {
      ASSERT_TRUE(d->userSwitchLayout(c.steps[k].layout));
    }
    typeInto(*d, c.steps[k].keys);
  }
  EXPECT_EQ(d->appTextUtf8(), c.shown);
  EXPECT_EQ(d->activeLayout(), c.after);
}

TEST(LayoutTie, OneRenderingIsOneCandidateAndOnlyDifferentKnownWordsTie) {
  const TieCase cases[] = {
      // "ghbdtn" reads "привет" in both Cyrillic layouts.
      {"same text, Russian word", {{"ru", {"привет"}}, {"uk", {"привіт"}}}, {{kUs, "ghbdtn "}}, "привет ", kRu},
      {"same text, Ukrainian word", {{"ru", {"мать"}}, {"uk", {"мама"}}}, {{kUs, "vfvf "}}, "мама ", kUa},
      {"same text, order decides", {{"ru", {"мама"}}, {"uk", {"мама"}}}, {{kUs, "vfvf "}}, "мама ", kUa, 1,
       {kUs, kUa, kRu}},
      {"same text, no own language", {{"bg", {"мама"}}}, {{kUs, "vfvf "}}, "мама ", kRu},
      {"same text, no language at all", {{"", {"привет"}}}, {{kUs, "ghbdtn "}}, "привет ", kRu},
      // "vskj" reads "мыло" in Russian and "міло" in Ukrainian.
      {"different texts, both own words", {{"ru", {"мыло"}}, {"uk", {"міло"}}}, {{kUs, "vskj "}}, "vskj ", kUs},
      {"different texts, one own word", {{"ru", {"мыло", "міло"}}}, {{kUs, "vskj "}}, "мыло ", kRu},
      {"different texts, one own word (Ukrainian)", {{"uk", {"мыло", "міло"}}}, {{kUs, "vskj "}}, "міло ", kUa},
      {"different texts, no own word", {{"", {"мыло", "міло"}}}, {{kUs, "vskj "}}, "vskj ", kUs},
      // A Russian word typed with the Ukrainian layout active: its beginning
      // is known in both Cyrillic renderings, which are the same; the active
      // layout is one of them, so nothing is switched in the middle of the word.
      {"same text as the active layout", {{"ru", {"привет"}}}, {{kUa, "привет "}}, "привет ", kUa, 0},
  };
  for (const TieCase& c : cases) run(c);
}

// "vskj" reads "мыло" and "міло", both words of their own language: a real
// tie, which goes to the layout the user wrote in (or the program switched
// to) most recently when that is one of the tied layouts and the current one
// is not. A click does not clear the memory.
TEST(LayoutTie, ARealTieGoesToTheLayoutWrittenInMostRecently) {
  const std::vector<Words> dictionaries = {{"ru", {"мыло", "мама"}}, {"uk", {"міло", "мова"}}, {"en", {"the"}, 1252}};
  const TieCase cases[] = {
      {"no memory", dictionaries, {{kUs, "vskj "}}, "vskj ", kUs},
      {"after a Ukrainian word", dictionaries, {{kUa, "мова "}, {kUs, "vskj "}}, "мова міло ", kUa},
      {"after a Russian word", dictionaries, {{kRu, "мама "}, {kUs, "vskj "}}, "мама мыло ", kRu},
      {"after a switch to Ukrainian", dictionaries, {{kUs, "vjdf "}, {kUs, "vskj "}}, "мова міло ", kUa},
      {"after an English word", dictionaries, {{kUa, "мова "}, {kUs, "the "}, {kUs, "vskj "}}, "мова the vskj ", kUs},
      // While "мыло" is typed in Russian, its beginning ties with "міло".
      {"the current layout is tied", dictionaries, {{kUa, "мова "}, {kRu, "мыло "}}, "мова мыло ", kRu, 0},
  };
  for (const TieCase& c : cases) run(c);
}

}  // namespace
}  // namespace orv
