// Impossibility lists: file names become lower-case pair keys, lines are
// trimmed, empty lists register nothing.

#include <gtest/gtest.h>

#include <string>

#include "language/Impossibility.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

struct ImpossibilityLists : ::testing::Test {
  ScratchFolder dir;
  ImpossibilityRegistry reg;
};

TEST_F(ImpossibilityLists, ListsAreKeyedByTheirLowerCasedNameAndHoldTheirTrimmedLines) {
  dir.folder("impossibility/sub.txt");  // a folder is not a list
  // Two names for the same file on Windows: one list, not two, nor one of four lines.
  for (const char* name : {"impossibility/RU!EN.TXT", "impossibility/Ru!En.txt"})
    writeBytes(dir.file(name), "  \xFA\xFB \r\n\n\t\xFC\xFD\xFE\n");
  writeBytes(dir.file("impossibility/ru-RU!en.txt"), "qq\n");
  writeBytes(dir.file("impossibility/uk!en.txt"), " \n\t\r\n\n");
  writeBytes(dir.file("impossibility/notes.md"), "ab\n");
  reg.loadImpossibilities(dir.path());
  ASSERT_EQ(reg.size(), 2);
  EXPECT_EQ(view(reg.keyAt(0)), "ru!en");
  EXPECT_EQ(view(reg.keyAt(1)), "ru-ru!en");
  const Impossibility* ru = reg.find(str8("ru!en"));
  ASSERT_NE(ru, nullptr);
  ASSERT_EQ(ru->size(), 2);
  EXPECT_EQ(view(ru->at(0)), "\xFA\xFB");
  EXPECT_EQ(view(ru->at(1)), "\xFC\xFD\xFE");
  EXPECT_EQ(reg.find(str8("uk!en")), nullptr);
  EXPECT_EQ(reg.find(str8("RU!EN")), nullptr);
}

TEST_F(ImpossibilityLists, LongLinesAreReadInPieces) {
  std::string line(1500, 'x');
  line[999] = 'y';
  writeBytes(dir.file("list.txt"), line + "\n");
  Impossibility list;
  ASSERT_TRUE(ImpossibilityRegistry::readList(dir.file("list.txt"), list));
  ASSERT_EQ(list.size(), 2);
  EXPECT_EQ(list.at(0).size(), 999);
  EXPECT_EQ(list.at(1).size(), 501);
  EXPECT_EQ(list.at(1)[0], 'y');
}

TEST_F(ImpossibilityLists, MissingFolderGivesNothing) {
  reg.loadImpossibilities(dir.path());
  EXPECT_EQ(reg.size(), 0);
  writeBytes(dir.file("impossibility"), "a file, not a folder");
  reg.loadImpossibilities(dir.path());
  EXPECT_EQ(reg.size(), 0);
}

}  // namespace
}  // namespace orv
