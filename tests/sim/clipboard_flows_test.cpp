// The clipboard as the user meets it in the simulated desktop: copies taken
// into the history by the check after each key-up; a note's shortcut
// expanded on the autocomplete key; and a text chosen in a menu pasted where
// the caret is, nothing erased, staying on the clipboard afterwards unless
// that would lose what the user had there (an image or a text the history
// never took comes back).
#include <map>
#include <tuple>

#include "sim/SimHarness.h"
#include "tools/orvanta-sim/TypeMenu.h"

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

TEST(ChosenPaste, PastesAtTheCaretAndKeepsTheChoiceOnlyWhereNothingIsLost) {
  const struct {
    const char* name;
    void (*before)(sim::SimDesktop&);  // what the user has on the clipboard
    bool choiceStays;
  } cases[] = {
      {"empty clipboard", [](sim::SimDesktop&) {}, true},
      // The key-ups' check takes it into the history.
      {"a text the history holds", [](sim::SimDesktop& d) { d.clipboardPort.putText(u"mine", 4); }, true},
      {"a text too large for the history", [](sim::SimDesktop& d) {
         const std::u16string large(Clipboard::kCaptureLimit, u'x');
         d.clipboardPort.putText(large.data(), static_cast<int32_t>(large.size()));
       }, false},
      {"an image", [](sim::SimDesktop& d) { putImage(d); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeyboardSettings settings;
    sim::SimDesktop d({kUs, kRu}, settings);
    d.setAppText(str16(u"one "));
    c.before(d);
    const auto before = d.clipboardPort.formats();
    typeInto(d, "ab");
    bool pasted;
    {
      SynchObject::Guard guard(d.state.lock());
      pasted = d.engine.pasteChosenText(d.app().thread, str16(u"chosen"));
      // The caret moves: the next word starts afresh.
      EXPECT_EQ(d.state.typedKeys.size(), 0);
    }
    ASSERT_TRUE(pasted);
    d.idle();
    EXPECT_EQ(d.appTextUtf8(), "one abchosen");
    EXPECT_EQ(d.clipboardRestores, 1);
    if (c.choiceStays) {
      EXPECT_EQ(clipboardUtf8(d), "chosen");
      // An ordinary copy now: no private marks keep the user's tools from it.
      EXPECT_EQ(d.clipboardPort.formats().size(), 2u);
    } else {
      EXPECT_EQ(d.clipboardPort.formats(), before);
    }
  }
}

// The simulated desktop with the clipboard menu that orvanta-sim type shows.
struct MenuDesktop {
  KeyboardSettings settings;
  sim::SimDesktop d{{kUs, kRu}, settings};
  simtool::TypeMenu menu{d, ClipboardMenuSettings(), LangTable(), Str16()};
  simtool::DesktopTyper typer{d};
  MenuDesktop() {
    typer.menuStep = [this](int32_t n, std::string& e) { return menu.step(n, e); };
  }
  std::tuple<sim::SimDesktop&, simtool::TypeMenu&, simtool::DesktopTyper&> parts() { return {d, menu, typer}; }
};

// Alt+W opens the clipboard menu at the caret, the keys go to it while it is
// shown, and choosing an older history entry pastes it, makes it the newest
// entry and, once the loan ends 333 ms later, leaves it on the clipboard as
// an ordinary copy.
TEST(ChosenPaste, AnOlderHistoryEntryChosenInTheMenuIsPastedAndBecomesTheClipboard) {
  const char* const choices[] = {"{Menu:2}", "{Down}{Down}{Enter}"};
  for (const char* choice : choices) {
    SCOPED_TRACE(choice);
    MenuDesktop desk;
    auto [d, menu, typer] = desk.parts();
    std::string err;
    ASSERT_TRUE(typer.runScript("one{SelectAll}{Ctrl+C}{End} two{SelectAll}{Ctrl+C}{End} {Alt+W}", err)) << err;
    typer.settle = false;
    ASSERT_TRUE(typer.runScript(choice, err)) << err;
    d.pump();
    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(d.appTextUtf8(), "one two one");
    EXPECT_EQ(historyOf(d), (std::vector<std::string>{"one", "one two"}));
    EXPECT_EQ(d.clipboardRestores, 0);
    d.advance(333);
    EXPECT_EQ(d.clipboardRestores, 1);
    EXPECT_EQ(clipboardUtf8(d), "one");
    EXPECT_EQ(d.clipboardPort.formats().size(), 2u);
  }
}

}  // namespace
}  // namespace orv
