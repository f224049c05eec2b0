// The clipboard history and the notes as the user meets them: copies taken
// by the check after each key-up, and a note's shortcut expanded on the
// autocomplete key, with the user's clipboard back afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "clipboard/StoreFiles.h"
#include "keyboard/sim/SimDesktop.h"
#include "platform/Text.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419;

class AutocompleteSettings : public KeyboardSettings {
 public:
  explicit AutocompleteSettings(int key) : myKey(key) {}
  int autocomplete() const override { return myKey; }

 private:
  int myKey;
};

std::vector<std::string> historyOf(sim::SimDesktop& d) {
  std::vector<std::string> out;
  for (const Str16& e : d.history.entries()) out.push_back(utf16ToUtf8(e));
  return out;
}

struct ExpandCase {
  const char* name;
  int key;  // the "autocomplete" setting
  std::vector<std::pair<const char16_t*, const char16_t*>> notes;  // shortcut, text in list order
  const char* typed;
  const char* shown;
};

TEST(NoteShortcut, ExpandsTheFirstMatchingShortcutOnTheChosenKeyOnly) {
  const ExpandCase cases[] = {
      {"both end the word: the first in list order wins", 1, {{u"ab", u"AB note"}, {u"b", u"B note"}}, "xab ",
       "xAB note"},
      {"the later one when it comes first", 1, {{u"b", u"B note"}, {u"ab", u"AB note"}}, "xab ", "xaB note"},
      {"capitals must match", 1, {{u"Ab", u"N"}}, "ab ", "ab "},
      {"Tab chosen: Space types a space", 2, {{u"ab", u"N"}}, "ab ", "ab "},
      {"Tab chosen: Tab expands", 2, {{u"ab", u"N"}}, "ab{Tab}", "N"},
      {"Enter chosen", 3, {{u"ab", u"N\nline"}}, "ab{Enter}", "N\nline"},
      {"switched off", 0, {{u"ab", u"N"}}, "ab ", "ab "},
  };
  for (const ExpandCase& c : cases) {
    SCOPED_TRACE(c.name);
    AutocompleteSettings settings(c.key);
    sim::SimDesktop d({kUs, kRu}, settings);
    for (size_t k = c.notes.size(); k-- > 0;) {  // addNote inserts at the top
      TxtNote n;
      n.shortcut = str16(c.notes[k].first);
      n.text = str16(c.notes[k].second);
      ASSERT_EQ(d.notes.addNote(n), NoteResult::Ok);
    }
    Str16 user = str16(u"the user's copy");
    d.clipboardPort.putText(user.data(), user.size());
    simtool::DesktopTyper t(d);
    std::string err;
    ASSERT_TRUE(t.runScript(c.typed, err)) << err;
    d.idle();
    EXPECT_EQ(d.appTextUtf8(), c.shown);
    // A swallowed key-down takes its key-up with it: the application sees
    // no release of Space, Tab or Enter without its press.
    std::map<std::string, int> balance;
    for (const std::string& k : d.appKeys()) balance[k.substr(k.find(' ') + 1)] += k[0] == 'd' ? 1 : -1;
    for (const char* key : {"20", "9", "D"}) EXPECT_EQ(balance[key], 0) << "key " << key;
    EXPECT_EQ(d.clipboardText(), user);
    // The note's text lent to the paste never reaches the history.
    EXPECT_EQ(historyOf(d), std::vector<std::string>{"the user's copy"});
  }
}

TEST(ClipboardHistory, TakesEachCopyOnceNewestFirstAndNeverAPrivateOne) {
  KeyboardSettings settings;
  sim::SimDesktop d({kUs, kRu}, settings);
  // As the program does: clipboard.dat is written after every change.
  std::string file = ::testing::TempDir() + "stores_test_clipboard.dat";
  d.storesChanged = [&] { saveHistoryFile(utf8ToUtf16(file), d.history); };
  simtool::DesktopTyper t(d);
  std::string err;
  auto copy = [&](const char16_t* text) {
    d.setAppText(str16(text));
    d.select(0, d.appText().size());
    ASSERT_TRUE(t.runScript("{Ctrl+C}", err)) << err;
  };
  copy(u"a");
  copy(u"b");
  copy(u"a");
  EXPECT_EQ(historyOf(d), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(d.historyChanges, 3);
  copy(u"a");  // the same text again: nothing changes, nothing is written
  EXPECT_EQ(d.historyChanges, 3);

  // A password manager's copy carries the exclusion mark.
  Str16 secret = str16(u"hunter2");
  ASSERT_TRUE(d.clipboardPort.open());
  d.clipboardPort.empty();
  d.clipboardPort.setData(kCfUnicodeText, secret.data(), (secret.size() + 1) * 2);
  d.clipboardPort.setData(d.clipboardPort.registerFormat(u"ExcludeClipboardContentFromMonitorProcessing"), "", 1);
  d.clipboardPort.close();
  ASSERT_TRUE(t.runScript("x", err)) << err;
  EXPECT_EQ(historyOf(d), (std::vector<std::string>{"a", "b"}));
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.find(std::string("h\0u\0n\0t\0e\0r\0", 12)), std::string::npos);
  EXPECT_NE(bytes.find(std::string("\1\0a\0", 4)), std::string::npos);
  std::remove(file.c_str());
}

}  // namespace
}  // namespace orv
