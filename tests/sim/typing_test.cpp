// Fast typing and the keys around words in the simulated desktop: what the
// application finally shows must be what the keys meant, with nothing lost,
// doubled or left over.
#include <algorithm>

#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct Settings : KeyboardSettings {
  int autoswSpaceOnly() const override { return 1; }
  int autoswPrepos() const override { return 1; }
};

struct Case {
  const char* script;
  const char* shown;
  Hkl layout;
  long retypes;  // switch sounds: each retype plays one
};

// Types each case into a fresh desktop with us and ru installed, us active.
void expectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    Settings settings;
    SCOPED_TRACE(c.script);
    WordSet words;
    words.add(1251, {"привет", "в", "город"});
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
  struct EarlySettings : KeyboardSettings {
    int workStartSymbolCount() const override { return 2; }
    int autoswSpaceOnly() const override { return 0; }
  } settings;
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

}  // namespace
}  // namespace orv
