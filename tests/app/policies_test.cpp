// Application policies against the "exe_mark" section, on both builds, and
// the options window's copy of them.
#include <gtest/gtest.h>

#include <string>

#include "app/Policies.h"
#include "app/PoliciesEdit.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::writeBytes;

std::string names(const ArrT<Str8>& list) {
  std::string out;
  for (const Str8& n : list) out += std::string(view(n)) + " ";
  return out;
}

struct PolicyFolder : test::AppFolder {
  PolicyFolder() { forgetPolicies(); }
  ~PolicyFolder() { forgetPolicies(); }
};

TEST(Policies, AFeatureNeedsTheWorkBitAndEveryBitAskedFor) {
  PolicyFolder dir;
  EXPECT_FALSE(policyAllows("putty.exe", kPolicyWork));  // a terminal: excluded by default
  EXPECT_EQ(readBytes(dir.ini()), "");  // defaults live in memory until something is written
  setPolicy("App.exe", kPolicyWork | kPolicySpelling);
  EXPECT_EQ(policyFlags("APP.EXE"), kPolicyWork | kPolicySpelling);
  EXPECT_TRUE(policyAllows("app.exe", kPolicySpelling));
  EXPECT_FALSE(policyAllows("app.exe", kPolicySpelling | kPolicyCaret));
  setPolicy("app.exe", kPolicySpelling);
  EXPECT_FALSE(policyAllows("app.exe", kPolicySpelling));
  EXPECT_EQ(policyFlags(""), 0);
  EXPECT_EQ(policyFlags(nullptr), 0);
}

TEST(Policies, UnknownApplicationsGetEverythingAndBecomeCandidates) {
  PolicyFolder dir;
  EXPECT_EQ(policyFlags("notepad.exe"), -1);
  EXPECT_TRUE(policyAllows("notepad.exe", kPolicyAll));
  for (int i = 0; i < 11; ++i) notePolicyCandidate(("App" + std::to_string(i) + ".exe").c_str());
  notePolicyCandidate("putty.exe");      // has a policy
  notePolicyCandidate(ownExeName().data());  // the program itself
  EXPECT_EQ(names(recentPolicyCandidates()),  // app0 dropped, names lower-cased
            "app1.exe app2.exe app3.exe app4.exe app5.exe app6.exe app7.exe app8.exe app9.exe app10.exe ");
  notePolicyCandidate("APP3.exe");  // seen again: moves to the end
  EXPECT_EQ(names(recentPolicyCandidates()),
            "app1.exe app2.exe app4.exe app5.exe app6.exe app7.exe app8.exe app9.exe app10.exe app3.exe ");
}

TEST(Policies, TheProgramItselfAlwaysGetsEverything) {
  PolicyFolder dir;
  Str8 own = ownExeName();
  ASSERT_FALSE(own.empty());
  setPolicy(own.data(), 0);  // ignored
  EXPECT_EQ(policyFlags(own.data()), kPolicyAll);
  EXPECT_EQ(readBytes(dir.ini()), "");
}

TEST(Policies, AnsweringTheMenuWritesTheWholeSectionInKeyOrder) {
  PolicyFolder dir;
  setPolicy("New.EXE", kPolicyAsked);
  EXPECT_TRUE(policyAllows("new.exe", kPolicyClipboardMenu | kPolicyCaret));
  EXPECT_FALSE(policyAllows("new.exe", kPolicyAutoSwitch));
  // Every policy, the built-in ones too, a line each in key order.
  const PolicyTable all = copyPolicies();
  std::string expected = "[exe_mark]\r\n";
  for (int32_t i = 0; i < all.size(); ++i)
    expected += std::string(view(all.keyAt(i))) + "=" + std::to_string(all.valAt(i)) + "\r\n";
  EXPECT_EQ(readBytes(dir.ini()), expected);
  EXPECT_NE(expected.find("\r\nnew.exe=35\r\n"), std::string::npos);
}

TEST(Policies, TheSectionOfTheFileReplacesTheDefaults) {
  PolicyFolder dir;
  writeBytes(dir.ini(), "[common]\r\noc_use=1\r\n[exe_mark]\r\nFar.exe=abc\r\nvim.exe=16\r\ncode.exe=63\r\n");
  setPolicy("term.exe", 0);  // before anything was read: the file's policies stay
  EXPECT_EQ(policyFlags("far.exe"), 0);  // no number: switched off
  EXPECT_EQ(policyFlags("vim.exe"), 16);
  EXPECT_EQ(policyFlags("putty.exe"), -1);                    // no defaults
  EXPECT_EQ(readBytes(dir.ini()),
            "[common]\r\noc_use=1\r\n[exe_mark]\r\ncode.exe=63\r\nfar.exe=0\r\nterm.exe=0\r\nvim.exe=16\r\n");
}

// What the options window applies is kept, also at the next start, even
// with every policy removed: only a section never written brings the defaults.
TEST(Policies, TheOptionsWindowEditsACopyAndMayClearEveryPolicy) {
  PolicyFolder dir;
  PolicyTable copy = copyPolicies();
  const int32_t builtIn = copy.size();
  copy.put(str8("added.exe"), 63);
  copy.remove(str8("putty.exe"));
  EXPECT_EQ(policyFlags("added.exe"), -1);  // not applied yet
  replacePolicies(copy);
  EXPECT_EQ(policyFlags("added.exe"), 63);
  EXPECT_EQ(policyFlags("putty.exe"), -1);
  forgetPolicies();  // the next start reads the section back
  EXPECT_EQ(policyFlags("added.exe"), 63);
  EXPECT_EQ(policyFlags("putty.exe"), -1);
  EXPECT_EQ(copyPolicies().size(), builtIn);

  replacePolicies(PolicyTable());
  forgetPolicies();
  EXPECT_EQ(copyPolicies().size(), 0);
  setPolicy("vim.exe", 16);
  EXPECT_EQ(copyPolicies().size(), 1);
  EXPECT_EQ(readBytes(dir.ini()), "[exe_mark]\r\nvim.exe=16\r\n");
}

TEST(Policies, NeverTrackedWindowClasses) {
  for (const char* c : {"ComboBox", "BUTTON", "sysheader32", "NativeFontCtl", "msctls_hotkey32", "SysPager"})
    EXPECT_TRUE(isNeverTrackedClass(c)) << c;
  for (const char* c : {"Edit", "RichEdit20W", "", "combobox2", "Scintilla"}) EXPECT_FALSE(isNeverTrackedClass(c)) << c;
  EXPECT_TRUE(isNeverTrackedClass(std::u16string_view(u"SysListView32")));
  EXPECT_FALSE(isNeverTrackedClass(std::u16string_view(u"\u0411utton")));
}

std::string rows(const PoliciesEdit& e) {
  std::string out;
  for (int32_t i = 0; i < e.size(); ++i)
    out += std::string(e.row(i).name.data(), e.row(i).name.size()) + "=" + std::to_string(e.row(i).flags) + " ";
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
  EXPECT_EQ(names(edit.recent()), "notepad.exe word.exe ");  // listed ones are no candidates
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(edit.openFor(c.name), c.selected);
    EXPECT_EQ(rows(edit), c.rows);
    EXPECT_EQ(names(edit.recent()), c.recent);
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
  edit.follow(later, candidates);
  EXPECT_EQ(rows(edit), "far.exe=51 notepad.exe=63 word.exe=63 ");
  EXPECT_TRUE(edit.edited());
}

}  // namespace
}  // namespace orv
