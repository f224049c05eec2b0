// Fast typing and the keys around words in the simulated desktop: what the
// application finally shows must be what the keys meant, with nothing lost,
// doubled or left over; and when several layouts give a known word, which
// ties are real (no switch) and which are one word found through a code page
// two languages share.
#include <algorithm>

#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct Case {
  const char* script;
  const char* shown;
  Hkl layout;
  long retypes;  // switch sounds: each retype plays one
  int prepos = 1, spaceOnly = 1;
};

// "а" ninety-nine times: a known word, too long to be one.
const std::string kLongWord = utf16ToUtf8(std::u16string(99, u'а'));

// Types each case into a fresh desktop with us and ru installed, us active.
void expectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    SimSettings settings;
    settings.prepos = c.prepos;
    settings.spaceOnly = c.spaceOnly;
    WordSet words;
    words.add(1251, {"привет", "в", "вот", "город", kLongWord.c_str()});
    auto d = desktopWith({kUs, kRu}, settings, words);
    d->clipboardPort.putText(u"mine", 4);
    typeInto(*d, c.script);
    d->idle();
    EXPECT_EQ(d->appTextUtf8(), c.shown);
    EXPECT_EQ(d->activeLayout(), c.layout);
    EXPECT_EQ(std::count(d->sounds.begin(), d->sounds.end(), kSndSwitch), c.retypes);
    EXPECT_EQ(clipboardUtf8(*d), "mine");
  }
}

// The word before is retyped with the switched word only with the
// preposition setting on and only when it is a whole word in the target
// layout, not when it only begins one ("во" of "вот"). A word with a full stop
// is retyped with it once a space ends it; without the setting "space only" a
// word is decided as soon as it is known. Words glued to quotes or digits and
// words too long to be words never switch. With no layout used before,
// "!!switch_back" converts the last word to the first other installed layout.
TEST(Typing, WhatTheApplicationShowsAfterTyping) {
  const std::string tooLong = std::string(99, 'f') + " ";
  expectCases({
      {"d ujhjl ", "в город ", kRu, 1},
      {"d ujhjl ", "d город ", kRu, 1, 0},
      {"dj ujhjl ", "dj город ", kRu, 1},
      {"ghbdtn/ ", "привет. ", kRu, 1},  // "/" is the Russian layout's full stop
      {"ghbdtn/", "ghbdtn/", kUs, 0},
      {"ghbdtn", "ghbdtn", kUs, 0},  // no decision before the space
      {"\"ghbdtn ", "\"ghbdtn ", kUs, 0},
      {"1ghbdtn ", "1ghbdtn ", kUs, 0},
      {"ghbdtn1 ", "ghbdtn1 ", kUs, 0},
      {"ghbdtn{Pause}", "привет", kRu, 1},
      {tooLong.c_str(), tooLong.c_str(), kUs, 0},
      // "при" begins a word: decided at once, switched at the key-up; the
      // rest typed in the new layout brings no second decision.
      {"ghb", "при", kRu, 1, 1, 0},
      {"ghbвет ", "привет ", kRu, 1, 1, 0},
  });
}

// The next key goes down before the deciding Space comes up: the switch
// still happens, and the keys typed in between are retyped in the new layout.
TEST(Typing, KeysPressedBeforeTheDecidingKeyIsReleasedJoinTheSwitch) {
  expectCases({
      {"ghbdtn{Press:Space}v{Release:Space}", "привет м", kRu, 1},
      {"ghbdtn{Press:Space}{Press:V}{Release:Space}{Release:V}", "привет м", kRu, 1},
      {"ghbdtn{Press:Space}{Press:V}{Press:J}{Release:V}{Release:Space}{Release:J}", "привет мо", kRu, 1},
      {"ghbdtn{Press:Space}{Press:V}{Backspace}{Release:Space}{Release:V}", "привет ", kRu, 1},
      {"d ujhjl{Press:Space}d{Release:Space}", "в город в", kRu, 1},  // with the preposition
      {"ghbdtn{Press:Space}{Press:Space}{Press:Space}{Release:Space}", "привет   ", kRu, 1},  // Space held
      // Backspace over the deciding Space, or a word-breaking key: the
      // decided text no longer stands, nothing is switched.
      {"ghbdtn{Press:Space}{Backspace}{Release:Space}", "ghbdtn", kUs, 0},
      {"ghbdtn{Press:Space}{Enter}{Release:Space}", "ghbdtn \n", kUs, 0},
      // "!!switch_back" before the key-up: its own retype only.
      {"ghbdtn{Press:Space}{Pause}{Release:Space}", "привет ", kRu, 1},
  });
}

// The key that decides is a dead key of the layout typed in (ё in Russian,
// ^ in German); the next key, pressed before its release, brings the ^ out
// in the application as well: the retype erases it too.
TEST(Typing, ADeadKeysCharacterBroughtOutBeforeTheKeyUpIsErasedToo) {
  SimSettings settings;
  settings.minLetters = 2;
  settings.spaceOnly = 0;
  WordSet words;
  words.add(1251, {"её"});
  auto d = desktopWith({kDe, kRu}, settings, words);
  typeInto(*d, "t");
  d->userKey(0xDC, 0x29, false);  // "её" in Russian: decided
  d->userKey('X', 0x2D, false);   // "t^x" in the application
  d->userKey(0xDC, 0x29, true);
  d->userKey('X', 0x2D, true);
  d->idle();
  EXPECT_EQ(d->appTextUtf8(), "еёч");
  EXPECT_EQ(d->activeLayout(), kRu);
}

// Tab ends the word (the application shows it, no layout renders it), and
// the edit control ignores Escape: no stray character survives a retype.
TEST(Typing, TabAndEscapeLeaveNoStrayCharacterInARetype) {
  std::string longRun(150, 'f');
  expectCases({
      {"ghb\tdtn ", "ghb\tdtn ", kUs, 0},
      // Nothing typed since the Tab: Pause converts the (empty) selection, which switches the layout.
      {"ghb\t{Pause}", "ghb\t", kRu, 1},
      {"ghb{Esc}dtn ", "привет ", kRu, 1},
      // A letter run too long to analyse before the word does not hold it up.
      {(longRun + " ghbdtn ").c_str(), (longRun + " привет ").c_str(), kRu, 1},
  });
}

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
