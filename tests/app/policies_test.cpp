// Application policies against the "exe_mark" section, on both builds.
#include <gtest/gtest.h>

#include <string>

#include "app/Policies.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::writeBytes;

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
  EXPECT_FALSE(policyAllows("", kPolicyWork));
}

TEST(Policies, UnknownApplicationsGetEverythingAndBecomeCandidates) {
  PolicyFolder dir;
  EXPECT_EQ(policyFlags("notepad.exe"), -1);
  EXPECT_TRUE(policyAllows("notepad.exe", kPolicyAll));
  for (int i = 0; i < 11; ++i) notePolicyCandidate(("App" + std::to_string(i) + ".exe").c_str());
  notePolicyCandidate("putty.exe");      // has a policy
  notePolicyCandidate(ownExeName().data());  // the program itself
  ArrT<Str8> recent = recentPolicyCandidates();
  ASSERT_EQ(recent.size(), 10);
  EXPECT_EQ(view(recent[0]), "app1.exe");  // app0 dropped, names lower-cased
  EXPECT_EQ(view(recent[9]), "app10.exe");
  notePolicyCandidate("APP3.exe");  // seen again: moves to the end
  recent = recentPolicyCandidates();
  ASSERT_EQ(recent.size(), 10);
  EXPECT_EQ(view(recent[9]), "app3.exe");
  EXPECT_EQ(view(recent[2]), "app4.exe");
}

TEST(Policies, TheProgramItselfAlwaysGetsEverything) {
  PolicyFolder dir;
  Str8 own = ownExeName();
  ASSERT_FALSE(own.empty());
  Str8 upper = own;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 32);
  setPolicy(own.data(), 0);  // ignored
  EXPECT_EQ(policyFlags(upper.data()), 63);
  EXPECT_EQ(readBytes(dir.ini()), "");
}

TEST(Policies, AnsweringTheMenuWritesTheWholeSectionInKeyOrder) {
  PolicyFolder dir;
  setPolicy("New.EXE", kPolicyAsked);
  EXPECT_EQ(policyFlags("new.exe"), kPolicyAsked);
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
  EXPECT_FALSE(policyAllows("vim.exe", kPolicyAutoSwitch));  // bit 0 is off: nothing works
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

}  // namespace
}  // namespace orv
