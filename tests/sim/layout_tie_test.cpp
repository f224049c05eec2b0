// Several layouts giving a known word: which ties are real (no switch) and
// which are one word found through a code page two languages share.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "keyboard/sim/SimDesktop.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kUa = 0x04220422;

struct Settings : KeyboardSettings {
  int spaceOnly = 1;
  int autoswSpaceOnly() const override { return spaceOnly; }
};

struct Words {
  const char* language;  // "" for a dictionary whose folder names no language
  std::vector<const char*> words;
};

struct TieCase {
  const char* name;
  std::vector<Words> dictionaries;  // all in code page 1251
  std::vector<Hkl> layouts;
  Hkl active;
  int spaceOnly;
  const char* keys;
  const char* shown;
  Hkl after;
};

TEST(LayoutTie, OneRenderingIsOneCandidateAndOnlyDifferentKnownWordsTie) {
  const std::vector<Hkl> three = {kUs, kRu, kUa};
  const TieCase cases[] = {
      // "ghbdtn" reads "привет" in both Cyrillic layouts.
      {"same text, Russian word", {{"ru", {"привет"}}, {"uk", {"привіт"}}}, three, kUs, 1, "ghbdtn ", "привет ", kRu},
      {"same text, Ukrainian word", {{"ru", {"мать"}}, {"uk", {"мама"}}}, three, kUs, 1, "vfvf ", "мама ", kUa},
      {"same text, order decides", {{"ru", {"мама"}}, {"uk", {"мама"}}}, {kUs, kUa, kRu}, kUs, 1, "vfvf ", "мама ",
       kUa},
      {"same text, no own language", {{"bg", {"мама"}}}, three, kUs, 1, "vfvf ", "мама ", kRu},
      {"same text, no language at all", {{"", {"привет"}}}, three, kUs, 1, "ghbdtn ", "привет ", kRu},
      // "vskj" reads "мыло" in Russian and "міло" in Ukrainian.
      {"different texts, both own words", {{"ru", {"мыло"}}, {"uk", {"міло"}}}, three, kUs, 1, "vskj ", "vskj ", kUs},
      {"different texts, one own word", {{"ru", {"мыло", "міло"}}}, three, kUs, 1, "vskj ", "мыло ", kRu},
      {"different texts, one own word (Ukrainian)", {{"uk", {"мыло", "міло"}}}, three, kUs, 1, "vskj ", "міло ",
       kUa},
      {"different texts, no own word", {{"", {"мыло", "міло"}}}, three, kUs, 1, "vskj ", "vskj ", kUs},
      // A Russian word typed with the Ukrainian layout active: its beginning
      // is known in both Cyrillic renderings, which are the same; the active
      // layout is one of them, so nothing is switched in the middle of the word.
      {"same text as the active layout", {{"ru", {"привет"}}}, three, kUa, 0, "привет ", "привет ", kUa},
  };
  for (const TieCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings settings;
    settings.spaceOnly = c.spaceOnly;
    test::WordSet words;
    for (const Words& dic : c.dictionaries)
      for (const char* w : dic.words) words.add(1251, {w}, dic.language);
    sim::SimDesktop d(c.layouts, settings);
    if (c.active != c.layouts[0]) {
      ASSERT_TRUE(d.userSwitchLayout(c.active));
    }
    d.dictionary = [&](const Str8& w, int32_t cp) { return words.check(w, cp); };
    d.languageDictionary = [&](const Str8& w, int32_t cp, const Str8& lang) { return words.checkLanguage(w, cp, lang); };
    simtool::DesktopTyper t(d);
    std::string err;
    ASSERT_TRUE(t.runScript(c.keys, err)) << err;
    EXPECT_EQ(d.appTextUtf8(), c.shown);
    EXPECT_EQ(d.activeLayout(), c.after);
  }
}

// "vskj" reads "мыло" and "міло", both words of their own language: a real
// tie, which goes to the layout the user wrote in (or the program switched
// to) most recently when that is one of the tied layouts and the current one
// is not. Every step after the first starts with a click, which does not
// clear the memory.
TEST(LayoutTie, ARealTieGoesToTheLayoutWrittenInMostRecently) {
  struct Step {
    Hkl layout;
    const char* keys;
  };
  struct MemoryCase {
    const char* name;
    std::vector<Step> steps;
    const char* shown;
    Hkl after;
    int spaceOnly = 1;
  };
  const MemoryCase cases[] = {
      {"no memory", {{kUs, "vskj "}}, "vskj ", kUs},
      {"after a Ukrainian word", {{kUa, "мова "}, {kUs, "vskj "}}, "мова міло ", kUa},
      {"after a Russian word", {{kRu, "мама "}, {kUs, "vskj "}}, "мама мыло ", kRu},
      {"after a switch to Ukrainian", {{kUs, "vjdf "}, {kUs, "vskj "}}, "мова міло ", kUa},
      {"after an English word", {{kUa, "мова "}, {kUs, "the "}, {kUs, "vskj "}}, "мова the vskj ", kUs},
      // While "мыло" is typed in Russian, its beginning ties with "міло".
      {"the current layout is tied", {{kUa, "мова "}, {kRu, "мыло "}}, "мова мыло ", kRu, 0},
  };
  for (const MemoryCase& c : cases) {
    SCOPED_TRACE(c.name);
    Settings settings;
    settings.spaceOnly = c.spaceOnly;
    test::WordSet words;
    words.add(1251, {"мыло", "мама"}, "ru");
    words.add(1251, {"міло", "мова"}, "uk");
    words.add(1252, {"the"}, "en");
    sim::SimDesktop d({kUs, kRu, kUa}, settings);
    d.dictionary = [&](const Str8& w, int32_t cp) { return words.check(w, cp); };
    d.languageDictionary = [&](const Str8& w, int32_t cp, const Str8& lang) { return words.checkLanguage(w, cp, lang); };
    simtool::DesktopTyper t(d);
    for (size_t k = 0; k < c.steps.size(); ++k) {
      if (k > 0) d.userClick(static_cast<int32_t>(d.appText().size()));
      if (d.activeLayout() != c.steps[k].layout) {
        ASSERT_TRUE(d.userSwitchLayout(c.steps[k].layout));
      }
      std::string err;
      ASSERT_TRUE(t.runScript(c.steps[k].keys, err)) << err;
    }
    EXPECT_EQ(d.appTextUtf8(), c.shown);
    EXPECT_EQ(d.activeLayout(), c.after);
  }
}

}  // namespace
}  // namespace orv
