// The last-typed store: one dictionary per culture under "lastwords", kept
// on disk, and saved at once or through the window's handler.
#include <gtest/gtest.h>

#include <vector>

#include "language/LastWords.h"
#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

struct CountingSaver : LastWordsSaver {
  bool windowThread = false;
  std::vector<Dictionary*> posted;
  bool onWindowThread() override { return windowThread; }
  void postSave(Dictionary* d) override { posted.push_back(d); }
};

std::string completionsOf(LastWords& store, const char* prefix, int32_t codePage) {
  std::string out;
  for (const auto& c : store.completions(str8(prefix), codePage, 20))
    out += std::string(view(c.word)) + "/" + std::string(view(c.language)) + " ";
  return out;
}

TEST(LastWords, WordsGoToTheirCultureAndNewDictionariesAreSavedAtOnceOffTheWindowThread) {
  test::ScratchFolder dir;
  CountingSaver saver;
  {
    LastWords store;
    store.load(dir.path());
    EXPECT_TRUE(isFolder(joinPath(dir.path(), u"lastwords")));
    store.bindSaver(&saver);
    EXPECT_FALSE(store.remember(0x0409, Str8()));       // empty
    EXPECT_FALSE(store.remember(0x7F7F, str8("word")));  // no such language
    EXPECT_TRUE(store.remember(0x0409, str8("receive")));
    EXPECT_TRUE(saver.posted.empty());  // new: saved here
    EXPECT_TRUE(store.remember(0x0409, str8("recent")));
    ASSERT_EQ(saver.posted.size(), 1u);  // existing: the window saves it
    EXPECT_TRUE(store.save(saver.posted[0]));
    saver.windowThread = true;
    EXPECT_TRUE(store.remember(0x0419, str8("\xEC\xE8\xF0")));  // "мир" in 1251
    EXPECT_EQ(saver.posted.size(), 2u);                            // new, but on the window thread
    EXPECT_TRUE(store.save(saver.posted[1]));
  }
  LastWords again;
  again.load(dir.path());
  ASSERT_EQ(again.size(), 2);
  EXPECT_EQ(completionsOf(again, "rec", 1252), "receive/en recent/en ");
  EXPECT_EQ(completionsOf(again, "rec", 1251), "");
  EXPECT_EQ(completionsOf(again, "\xEC\xE8", 1251), "\xEC\xE8\xF0/ru ");
}

}  // namespace
}  // namespace orv
