// The evaluator's sentence mode judges each typed word by what the
// application shows at its place, whatever script the other words are in.

#include <gtest/gtest.h>

#include "tools/orvanta-sim/EvalWords.h"

namespace orv::simtool {
namespace {

std::string verdicts(const char* lang, const char* typed, const char* shown, bool keepInner = false) {
  std::string out;
  for (bool ok : wordsShownAsTyped(lang, utf8ToUtf16(typed), utf8ToUtf16(shown), keepInner)) out += ok ? '+' : '-';
  return out;
}

TEST(EvalWords, EachWordIsJudgedByTheTokenShownAtItsPlace) {
  struct Case {
    const char *lang, *typed, *shown, *expect;
    bool keepInner;
  } cases[] = {
      {"en", "Alex Haley was adopted!", "Фдуч Haley was adopted!", "-+++", false},
      {"en", "Alex Haley was adopted!", "Alex Haley was adopted!", "++++", false},
      {"en", "Alex Haley was adopted!", "Фдуч Рфдун цфы фвщзеув!", "----", false},
      {"ru", "привет мир", "ghbdtn мир", "-+", false},
      {"ru", "привет, мир", "привет? мир", "++", false},       // only the word's own letters count
      {"en", "don't go", "вщтэе go", "--+", false},            // two words inside one token
      {"en", "don't go", "вщтэе go", "-+", true},
      {"en", "one two three", "one three", "+-+", false},      // a lost token: the rest still pairs
      {"en", "one two three", "one two  three four", "+++", false},
      {"en", "one two", "one twoo", "+-", false},              // a token that changed its length
      {"en", "", "anything", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " | " + c.shown);
    EXPECT_EQ(verdicts(c.lang, c.typed, c.shown, c.keepInner), c.expect);
  }
}

}  // namespace
}  // namespace orv::simtool
