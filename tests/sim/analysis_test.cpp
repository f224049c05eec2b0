// How the analysis reads the end of the text: which words are looked up and
// when a word counts as ended, with punctuation that every layout types alike.
#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

struct Analysis : ::testing::Test {
  KeyboardSettings settings;
  WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void SetUp() override {
    words.add(1251, {"привет", "а"});
    words.add(1252, {"hello"});
    d = desktopWith({kUs, kRu}, settings, words);
  }
  void type(const std::string& script) { typeInto(*d, script); }
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
