// How the analysis reads the end of the text: which words are looked up and
// when a word counts as ended, with punctuation that every layout types alike.
#include <gtest/gtest.h>

#include <memory>

#include "keyboard/sim/SimDesktop.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419;

struct Analysis : ::testing::Test {
  KeyboardSettings settings;
  test::WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void SetUp() override {
    words.add(1251, {"привет", "а"});
    words.add(1252, {"hello"});
    d = std::make_unique<sim::SimDesktop>(std::vector<Hkl>{kUs, kRu}, settings);
    d->dictionary = [this](const Str8& w, int32_t cp) { return words.check(w, cp); };
  }
  void type(const std::string& script) {
    simtool::DesktopTyper t(*d);
    std::string err;
    ASSERT_TRUE(t.runScript(script, err)) << err;
  }
};

TEST_F(Analysis, AWordEndsOnlyWhenItsTrailingTextEndsWithItsFirstSpace) {
  struct Case {
    const char* typed;
    unsigned terminated, allOdd;
  } cases[] = {
      {"hello", 0, 0},    {"hello ", 1, 0},  {"hello!", 0, 0},  // "word." is an ordinary ending
      {"hello! ", 1, 0},  {"hello !", 0, 1},                    // "word ." is neither ended nor usual
      {"hello!?", 0, 0},  {"hello1", 0, 1},                     // a digit is odd in every layout
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    type(std::string("{Enter}") + c.typed);
    EXPECT_EQ(d->engine.wide().wordTerminated, c.terminated);
    EXPECT_EQ(d->engine.wide().allOdd, c.allOdd);
  }
  type("{Enter}hello. ");
  EXPECT_EQ(std::string(view(d->engine.analizer(d->state.buffer(kUs))->shape)), "ps");
}

TEST_F(Analysis, AOneLetterWordIsNeverLookedUp) {
  type("f ");  // "а" in the Russian layout, a known word there
  EXPECT_EQ(d->engine.analizer(d->state.buffer(kRu))->status, 0);
  EXPECT_EQ(d->appTextUtf8(), "f ");
  EXPECT_EQ(d->activeLayout(), kUs);
}

}  // namespace
}  // namespace orv
