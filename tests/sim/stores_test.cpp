// The clipboard history and the notes as the user meets them: copies taken
// by the check after each key-up, and a note's shortcut expanded on the
// autocomplete key, with the user's clipboard back afterwards.
#include <map>

#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

std::vector<std::string> historyOf(sim::SimDesktop& d) {
  std::vector<std::string> out;
  for (const Str16& e : d.history.entries()) out.push_back(utf16ToUtf8(e));
  return out;
}

// Which shortcut matches is the store's rule (tests/clipboard/notes_test);
// these check the keys that expand it and what the application receives.
TEST(NoteShortcut, ExpandsTheShortcutOnTheChosenKeyOnly) {
  const struct {
    int key;  // the "autocomplete" setting
    const char* typed;
    const char* shown;
  } cases[] = {
      {1, "xab ", "xN\nl"}, {2, "ab ", "ab "}, {2, "ab{Tab}", "N\nl"}, {3, "ab{Enter}", "N\nl"}, {0, "ab ", "ab "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    SimSettings settings;
    settings.completeKey = c.key;
    sim::SimDesktop d({kUs, kRu}, settings);
    ASSERT_EQ(d.notes.addNote(TxtNote{str16(u"N\nl"), str16(u"ab"), Str16(), 0}), NoteResult::Ok);
    d.clipboardPort.putText(u"user", 4);
    typeInto(d, c.typed);
    d.idle();
    EXPECT_EQ(d.appTextUtf8(), c.shown);
    // A swallowed key-down takes its key-up with it: the application sees
    // no release of Space, Tab or Enter without its press.
    std::map<std::string, int> balance;
    for (const std::string& k : d.appKeys()) balance[k.substr(k.find(' ') + 1)] += k[0] == 'd' ? 1 : -1;
    for (const char* key : {"20", "9", "D"}) EXPECT_EQ(balance[key], 0) << "key " << key;
    EXPECT_EQ(view(d.clipboardText()), u"user");
    // The note's text lent to the paste never reaches the history.
    EXPECT_EQ(historyOf(d), std::vector<std::string>{"user"});
  }
}

// Which copies are taken is the capture's rule (tests/clipboard); this checks
// the check after each key-up and the changes it reports for saving.
TEST(ClipboardHistory, TakesEachCopyOnceNewestFirstAndNoPrivateOne) {
  KeyboardSettings settings;
  sim::SimDesktop d({kUs, kRu}, settings);
  auto copy = [&](const char16_t* text) {
    d.setAppText(str16(text));
    d.select(0, d.appText().size());
    typeInto(d, "{Ctrl+C}");
  };
  copy(u"a");
  copy(u"b");
  copy(u"a");
  EXPECT_EQ(historyOf(d), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(d.historyChanges, 3);
  copy(u"a");  // the same text again: nothing changes, nothing to save
  // A password manager's copy carries the exclusion mark: never taken.
  Str16 secret = str16(u"hunter2");
  ASSERT_TRUE(d.clipboardPort.open());
  d.clipboardPort.empty();
  d.clipboardPort.setData(kCfUnicodeText, secret.data(), (secret.size() + 1) * 2);
  d.clipboardPort.setData(d.clipboardPort.registerFormat(u"ExcludeClipboardContentFromMonitorProcessing"), "", 1);
  d.clipboardPort.close();
  typeInto(d, "x");
  EXPECT_EQ(historyOf(d), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(d.historyChanges, 3);
}

}  // namespace
}  // namespace orv
