// A text chosen in a menu is pasted where the caret is, nothing erased, and
// stays on the clipboard afterwards unless that would lose what the user
// had there: an image or a text the history never took comes back.
#include <tuple>

#include "sim/SimHarness.h"
#include "tools/orvanta-sim/TypeMenu.h"

namespace orv {
namespace {

using namespace test;

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
    ASSERT_EQ(menu.lines().size(), 1u);
    const std::string start = "menu: ?clipboard_menu_title: one two | one |";
    EXPECT_EQ(menu.lines()[0].substr(0, start.size()), start);
    typer.settle = false;
    ASSERT_TRUE(typer.runScript(choice, err)) << err;
    d.pump();
    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(d.appTextUtf8(), "one two one");
    ASSERT_EQ(d.history.size(), 2);
    EXPECT_EQ(utf16ToUtf8(d.history.at(0)), "one");
    EXPECT_EQ(d.clipboardRestores, 0);
    d.advance(333);
    EXPECT_EQ(d.clipboardRestores, 1);
    EXPECT_EQ(clipboardUtf8(d), "one");
    EXPECT_EQ(d.clipboardPort.formats().size(), 2u);
  }
}

// Only the menu's own keys go to it: a letter closes the menu and is typed.
TEST(ChosenPaste, ALetterTypedWhileTheMenuIsOpenClosesItAndReachesTheApplication) {
  MenuDesktop desk;
  auto [d, menu, typer] = desk.parts();
  std::string err;
  ASSERT_TRUE(typer.runScript("one{SelectAll}{Ctrl+C}{End} {Alt+W}", err)) << err;
  ASSERT_TRUE(menu.isOpen());
  ASSERT_TRUE(typer.runScript("x{Down}", err)) << err;
  d.pump();
  EXPECT_FALSE(menu.isOpen());
  EXPECT_EQ(d.appTextUtf8(), "one x");
}

}  // namespace
}  // namespace orv
