// Converting and transliterating the application's selection: the copy,
// the conversion, the paste over the selection, and the user's clipboard
// afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "keyboard/sim/SimDesktop.h"
#include "platform/Text.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kDe = 0x04070407;

struct Selection : ::testing::Test {
  KeyboardSettings settings;
  std::unique_ptr<sim::SimDesktop> d;

  void start(std::vector<Hkl> layouts, Hkl active, const char* text, int32_t from, int32_t to) {
    d = std::make_unique<sim::SimDesktop>(layouts, settings);
    d->keyboard.activateLayout(active);
    d->tracing = true;
    {
      SynchObject::Guard guard(d->state.lock());
      d->engine.loadTranslit(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/data/Translit"));
    }
    d->setAppText(utf8ToUtf16(text));
    d->select(from, to < 0 ? d->appText().size() : to);
    d->clipboardPort.putText(u"keep", 4);
  }
  void type(const std::string& script) {
    simtool::DesktopTyper t(*d);
    std::string err;
    ASSERT_TRUE(t.runScript(script, err)) << err;
  }
  bool notFound() const { return std::count(d->sounds.begin(), d->sounds.end(), kSndNotFound) > 0; }
  std::string dump() const {
    std::string s;
    for (const std::string& l : d->trace) s += l + "\n";
    return s;
  }
};

TEST_F(Selection, HotkeysReplaceTheSelectionAndGiveTheUsersClipboardBack) {
  struct Case {
    const char* what;
    std::vector<Hkl> layouts;
    Hkl active;
    const char* text;
    int32_t from, to;  // the selection; to -1: the end
    const char* script;
    const char* expected;
    Hkl layoutAfter;
    bool notFound;
  } cases[] = {
      {"blanks kept", {kUs, kRu}, kUs, "ghbdtn\nvbh  ghbdtn", 0, -1, "{Shift+Pause}", "привет\nмир  привет", kUs, false},
      {"part of the text", {kUs, kRu}, kUs, "abc ghbdtn def", 4, 10, "{Shift+Pause}", "abc привет def", kUs, false},
      {"the layout typing most", {kUs, kDe}, kUs, "Grüße", 0, -1, "{Shift+Pause}", "Gr[-e", kUs, false},
      {"a character no layout types", {kUs, kRu}, kUs, "ghbвет", 0, -1, "{Shift+Pause}", "ghbвет", kUs, true},
      {"nothing selected switches", {kUs, kRu}, kUs, "ghbdtn", 6, 6, "{Shift+Pause}", "ghbdtn", kRu, false},
      {"Pause with nothing typed", {kUs, kRu}, kUs, "ghbdtn", 0, -1, "{Pause}", "привет", kUs, false},
      {"from Latin", {kUs, kRu}, kUs, "Shchuka", 0, -1, "{Ctrl+T}", "Щука", kUs, false},
      {"digits do not decide", {kUs, kRu}, kUs, "12, privet", 0, -1, "{Ctrl+T}", "12, привет", kUs, false},
      {"to Latin", {kUs, kRu}, kRu, "Жёлтый чай", 0, -1, "{Ctrl+T}", "Zhyoltyy chay", kRu, false},
      {"no letter", {kUs, kRu}, kUs, "12, 34", 0, -1, "{Ctrl+T}", "12, 34", kUs, true},
      {"nothing to transliterate", {kUs, kRu}, kUs, "privet", 0, 0, "{Ctrl+T}", "privet", kUs, false},
  };
  for (const Case& c : cases) {
    start(c.layouts, c.active, c.text, c.from, c.to);
    type(c.script);
    d->idle();
    EXPECT_EQ(d->appTextUtf8(), c.expected) << c.what << "\n" << dump();
    EXPECT_EQ(d->activeLayout(), c.layoutAfter) << c.what;
    EXPECT_EQ(notFound(), c.notFound) << c.what;
    EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep") << c.what;
    EXPECT_EQ(d->shared.sequenceActive, 0u) << c.what;
  }
}

TEST_F(Selection, TransliterationSwitchedOffLeavesTheSelectionAndSaysSo) {
  settings.setTranslitActive("*");
  start({kUs, kRu}, kUs, "privet", 0, -1);
  type("{Ctrl+T}");
  d->idle();
  EXPECT_EQ(d->appTextUtf8(), "privet");
  EXPECT_TRUE(notFound());
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
  EXPECT_EQ(settings.translitActive(), "*");
}

TEST_F(Selection, AutomaticTransliterationPicksTheFirstLayoutWithTablesAndRemembersIt) {
  start({kUs, kDe, kRu}, kUs, "", 0, 0);
  EXPECT_EQ(settings.translitActive(), "ru");
  KeybBuffer* b = nullptr;
  ASSERT_NE(d->engine.activeTranslit(&b), nullptr);
  EXPECT_EQ(b->layout, kRu);
  EXPECT_FALSE(d->engine.translit(d->state.buffer(kUs))->hasTables());
}

TEST_F(Selection, ConversionBetweenAChosenPairAndItsFailures) {
  struct Case {
    const char* text;
    int32_t to;
    const char* expected;
    bool notFound;
  } cases[] = {{"руддщ", -1, "hello", false}, {"руддщ", 0, "руддщ", true}};
  for (const Case& c : cases) {
    start({kUs, kRu}, kUs, c.text, 0, c.to);
    {
      SynchObject::Guard guard(d->state.lock());
      d->engine.selection().convertSelectionAs(d->app().thread, kRu, kUs);
    }
    d->idle();
    EXPECT_EQ(d->appTextUtf8(), c.expected) << dump();
    EXPECT_EQ(notFound(), c.notFound);
    EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
  }
}

TEST_F(Selection, TheEditorsCopyHandsTheSelectionOverAndLeavesTheApplicationAlone) {
  start({kUs, kRu}, kUs, "one two", 4, -1);
  {
    SynchObject::Guard guard(d->state.lock());
    d->engine.selection().copyForEditor(d->app().thread);
  }
  d->idle();
  EXPECT_EQ(d->editorTexts, std::vector<std::string>{"two"});
  EXPECT_EQ(d->appTextUtf8(), "one two");
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
}

TEST_F(Selection, ACopyThatNeverComesBackReturnsTheClipboardAtTheLoanDeadline) {
  start({kUs, kRu}, kUs, "ghbdtn", 0, -1);
  d->echoesLost = true;
  type("{Shift+Pause}");
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "ghbdtn");  // the application's copy, still lent
  d->advance(KeyboardEngine::kLoanDeadlineMs);
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
  EXPECT_EQ(d->appTextUtf8(), "ghbdtn");
}

TEST_F(Selection, AConversionRightAfterARetypeKeepsTheUsersClipboardNotTheRetypedText) {
  start({kUs, kRu}, kUs, "", 0, 0);
  simtool::DesktopTyper t(*d);
  t.settle = false;  // the retype's restore is still 333 ms away when the conversion starts
  std::string err;
  ASSERT_TRUE(t.runScript("ghbdtn{Pause}{SelectAll}{Shift+Pause}", err)) << err;
  d->idle();
  EXPECT_EQ(d->appTextUtf8(), "ghbdtn") << dump();  // retyped as привет, then converted back
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
}

}  // namespace
}  // namespace orv
