#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clipboard/Underline.h"
#include "core/SynchObject.h"
#include "language/DictionarySet.h"
#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

struct Known : WordCheck {
  std::set<std::u16string> words;
  bool isWord(std::u16string_view w) override { return words.count(std::u16string(w)) > 0; }
};

std::vector<std::string> underlined(const std::u16string& text, const ArrT<TextRun>& runs) {
  std::vector<std::string> out;
  for (const TextRun& r : runs) out.push_back(utf16ToUtf8(text.substr(r.start, r.length)));
  return out;
}

TEST(Underline, UnknownWordsOnOneLineAreUnderlined) {
  struct Row {
    const char* name;
    std::u16string text;
    std::vector<int32_t> lineStarts;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"unknown words among known", u"the quick brwn fox jmps", {}, {"brwn", "jmps"}},
      {"a word wrapped across two lines is not underlined", u"the wrold", {0, 7}, {}},
      {"the same word on one line is", u"the wrold", {0, 4}, {"wrold"}},
      {"wrapped right after its first letter", u"the wrold", {0, 5}, {}},
      {"a line break ends a word", u"wrold\r\nxyzq", {0, 7}, {"wrold", "xyzq"}},
      {"letters by the alpha rule: digits, apostrophes and hyphens split", u"fox1jmps don't x-ray",
       {}, {"jmps", "don", "t", "x", "ray"}},
      {"letters beyond ASCII", u"the мир и сон", {}, {"и", "сон"}},
      {"word at the very end", u"fox zzz", {0, 4}, {"zzz"}},
      {"nothing but white space and digits", u" 123 \t\r\n", {}, {}},
  };
  Known known;
  known.words = {u"the", u"quick", u"fox", u"мир"};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ArrT<int32_t> starts;
    for (int32_t s : r.lineStarts) starts.append(s);
    EXPECT_EQ(underlined(r.text, findMisspelt(r.text, starts, known)), r.expected);
  }
}

TEST(Underline, WordAtAPositionIncludesTheEndOfAWord) {
  const std::u16string text = u"ab, cde f";
  // A position and the word found there.
  const std::pair<int32_t, TextRun> rows[] = {{0, {0, 2}}, {1, {0, 2}}, {2, {0, 2}}, {3, {}}, {4, {4, 3}},
                                              {7, {4, 3}}, {9, {8, 1}}, {10, {}}, {-1, {}}};
  for (const auto& [pos, run] : rows) EXPECT_EQ(wordAt(text, pos), run) << pos;
}

TEST(Underline, SwitchingOnUnderlinesAtOnceAndOffClears) {
  Known known;
  known.words = {u"good"};
  UnderlineState state;
  const std::u16string text = u"good baad";
  EXPECT_FALSE(state.update(false, text, {}, known));
  EXPECT_TRUE(state.misspelt().empty());
  EXPECT_TRUE(state.update(true, text, {}, known));
  EXPECT_EQ(underlined(text, state.misspelt()), std::vector<std::string>{"baad"});
  EXPECT_FALSE(state.update(true, text, {}, known));
  // A word added to the dictionaries counts once the window forgets its answers.
  known.words.insert(u"baad");
  state.forgetWords();
  EXPECT_TRUE(state.update(true, text, {}, known));
  EXPECT_TRUE(state.misspelt().empty());
  EXPECT_TRUE(state.update(true, u"zz", {}, known));
  EXPECT_TRUE(state.update(false, u"zz", {}, known));
  EXPECT_TRUE(state.misspelt().empty());
}

TEST(Underline, DictionariesAnswerInTheirOwnCodePages) {
  test::ScratchFolder dir;
  SynchObject lock;
  DictionarySet set(dir.path(), lock);
  auto dic = [&](const char* name, const char* charset) {
    Str16 f = dir.folder(std::string("dic/") + name);
    test::writeBytes(joinPath(f, u"charset"), charset);
    return set.append(f, 0);
  };
  dic("en_US", "windows-1252")->addWord(str8("caf\xE9"));
  dic("ru_RU", "windows-1251")->addWord(str8("\xEC\xE8\xF0"));  // "мир"
  DictionaryWordCheck check(set);
  const std::pair<std::u16string, bool> rows[] = {{u"café", true}, {u"Café", true}, {u"мир", true}, {u"Мир", true},
                                                  {u"cafe", false}, {u"caféмир", false}, {u"мирé", false}, {u"", false}};
  for (const auto& [word, known] : rows) EXPECT_EQ(check.isWord(word), known) << utf16ToUtf8(word);
}

}  // namespace
}  // namespace orv
