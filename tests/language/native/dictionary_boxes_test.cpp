// The flows of the dictionary set that show message boxes, against the
// simulated desktop's boxes: the ask-to-add question and the word-list export.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <tuple>
#include <thread>
#include <vector>

#include "core/SynchObject.h"
#include "language/DictionarySet.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/sim/SimMessageBox.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

// Every box of every test also checks that it is not shown with the set's
// lock held: while a box is open another thread (the receiver, analysing a
// word) must be able to take it.
struct BoxesTest : ::testing::Test {
  ScratchFolder dir;
  SynchObject lock;
  DictionarySet set{dir.path(), lock};
  IDictionary* en = nullptr;
  IDictionary* ru = nullptr;
  std::vector<std::thread> waiters;
  std::vector<bool> lockFree;  // one per box shown

  void SetUp() override {
    sim::clearMessageBoxes();
    sim::setMessageBoxAnswer(kIdOk);
    en = set.append(dir.folder("dic/en_US"), 1252);
    ru = set.append(dir.folder("dic/ru_RU"), 1251);
    sim::setMessageBoxProbe([this](const sim::ShownMessageBox&) {
      auto got = std::make_shared<std::atomic<bool>>(false);
      waiters.emplace_back([this, got] {
        SynchObject::Guard g(lock);
        *got = true;
      });
      for (int i = 0; i < 200 && !*got; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      lockFree.push_back(*got);
    });
  }
  void TearDown() override {
    sim::setMessageBoxProbe(nullptr);
    sim::setMessageBoxAnswer(kIdOk);
    for (std::thread& t : waiters) t.join();
    EXPECT_FALSE(lockFree.empty());
    EXPECT_EQ(lockFree, std::vector<bool>(lockFree.size(), true));
  }
  void ask(const char* word, const char* language, int32_t position = -1) {
    set.askAddWord(AskAddWordRequest{utf8ToUtf16(word), str8(word), str8(language), position});
  }
};

TEST_F(BoxesTest, AskAddWordAddsToTheLanguageOrThePositionOnOkAndSaves) {
  ask("Wombat", "en");
  ArrT<sim::ShownMessageBox> shown = sim::shownMessageBoxes();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(view(shown[0].text), u"Add \"Wombat\" in the dictionary?");
  EXPECT_EQ(view(shown[0].caption), u"Dictionary");
  EXPECT_EQ(shown[0].style, kMbOkCancel | kMbIconQuestion | kMbSetForeground);
  EXPECT_TRUE(en->isWord(str8("Wombat")));
  EXPECT_FALSE(readBytes(dir.file("dic/en_US/en_US.udic")).empty());

  // Without a language the position names the dictionary; a position out of range adds nothing.
  for (auto [word, language, position, answer, into] : {std::tuple{"zebra", "", 1, kIdOk, ru},
                                                         {"okapi", "en", -1, kIdCancel, nullptr},
                                                         {"okapi", "", 7, kIdOk, nullptr}}) {
    sim::setMessageBoxAnswer(answer);
    ask(word, language, position);
    EXPECT_EQ(en->isWord(str8(word)), into == en) << word << " " << position;
    EXPECT_EQ(ru->isWord(str8(word)), into == ru) << word << " " << position;
  }
}

// The word list is written with CRLF lines, the cased words first, each
// index in tree order (a word before its longer words); the box says where,
// or why not.
TEST_F(BoxesTest, ExportWritesCrLfLinesInTreeOrderAndSaysWhereOrWhyNot) {
  for (const char* w : {"beta", "alpha", "Zurich", "alp", "Alpen"}) en->addWord(str8(w));
  removeTree(dir.file("dic/ru_RU"));  // the folder vanished under the dictionary
  const std::u16string enList = std::u16string(view(dir.file("dic/en_US/list.txt")));
  const std::u16string ruList = std::u16string(view(dir.file("dic/ru_RU/list.txt")));
  for (const auto& [name, text, style] : {
           std::tuple{u"en_US", u"Dictionary written to text file\r\n" + enList, kMbOk | kMbIconInformation},
           {u"de_DE", std::u16string(u"Dictionary not found"), kMbOk | kMbIconExclamation},
           {u"ru_RU", u"Can't write file \n" + ruList, kMbOk | kMbIconError},
       }) {
    sim::clearMessageBoxes();
    set.exportWordList(str16(name));
    ArrT<sim::ShownMessageBox> shown = sim::shownMessageBoxes();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(view(shown[0].text), text);
    EXPECT_EQ(shown[0].style, style);
  }
  EXPECT_EQ(readBytes(dir.file("dic/en_US/list.txt")), "alpen\r\nzurich\r\nalp\r\nalpha\r\nbeta\r\n");
}

}  // namespace
}  // namespace orv
