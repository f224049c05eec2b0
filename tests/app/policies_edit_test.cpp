// The options window's copy of the policies and the "!!tuner" rule.
#include <gtest/gtest.h>

#include <string>

#include "app/PoliciesEdit.h"

namespace orv {
namespace {

std::string rows(const PoliciesEdit& e) {
  std::string out;
  for (int32_t i = 0; i < e.size(); ++i)
    out += std::string(e.row(i).name.data(), e.row(i).name.size()) + "=" + std::to_string(e.row(i).flags) + " ";
  return out;
}

std::string recent(const PoliciesEdit& e) {
  std::string out;
  for (const Str8& n : e.recent()) out += std::string(n.data(), n.size()) + " ";
  return out;
}

TEST(PoliciesEdit, OpeningAnApplicationSelectsItsRowAddingItWithEveryFeature) {
  struct Case {
    const char* name;
    int32_t selected;
    const char* rows;
    const char* recent;
  } cases[] = {
      // An application that is not listed comes in with all six flags, in name order.
      {"notepad.exe", 1, "far.exe=35 notepad.exe=63 putty.exe=0 ", "word.exe "},
      // Blanks and capitals do not make another application.
      {" PuTTY.EXE\t", 2, "far.exe=35 notepad.exe=63 putty.exe=0 ", "word.exe "},
      // A listed one keeps its flags.
      {"far.exe", 0, "far.exe=35 notepad.exe=63 putty.exe=0 ", "word.exe "},
      // A recent candidate leaves the recent list once added.
      {"Word.exe", 3, "far.exe=35 notepad.exe=63 putty.exe=0 word.exe=63 ", ""},
      // No name: nothing changes (the window only beeps).
      {"  ", -1, "far.exe=35 notepad.exe=63 putty.exe=0 word.exe=63 ", ""},
  };
  PolicyTable table;
  table.put(str8("putty.exe"), 0);
  table.put(str8("far.exe"), 35);
  ArrT<Str8> candidates;
  for (const char* n : {"notepad.exe", "far.exe", "word.exe"}) candidates.append(str8(n));
  PoliciesEdit edit;
  edit.load(table, candidates);
  EXPECT_EQ(recent(edit), "notepad.exe word.exe ");  // listed ones are no candidates
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(edit.openFor(c.name), c.selected);
    EXPECT_EQ(rows(edit), c.rows);
    EXPECT_EQ(recent(edit), c.recent);
  }
  // The copy goes back whole, and the table it came from was never touched.
  edit.toggleFlag(0, 4);
  edit.remove(2);
  PolicyTable back = edit.table();
  ASSERT_EQ(back.size(), 3);
  EXPECT_EQ(*back.get(str8("far.exe")), 35 | 16);
  EXPECT_FALSE(back.contains(str8("putty.exe")));
  EXPECT_EQ(table.size(), 2);

  // A policy set meanwhile elsewhere: an unedited copy takes it and stays
  // unedited (nothing to write back); an edited copy keeps the user's rows.
  PolicyTable later = table;
  later.put(str8("skype.exe"), 35);
  PoliciesEdit fresh;
  fresh.load(table, ArrT<Str8>());
  fresh.follow(later, ArrT<Str8>());
  EXPECT_EQ(rows(fresh), "far.exe=35 putty.exe=0 skype.exe=35 ");
  EXPECT_FALSE(fresh.edited());
  EXPECT_TRUE(edit.edited());
  edit.follow(later, candidates);
  EXPECT_EQ(rows(edit), "far.exe=51 notepad.exe=63 word.exe=63 ");
  EXPECT_TRUE(edit.edited());
}

}  // namespace
}  // namespace orv
