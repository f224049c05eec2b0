// The road of a mistyped word in the simulated desktop: analysis, switch,
// paste sequence, echo chain, clipboard restore, undo and redo.
#include <gtest/gtest.h>

#include "keyboard/sim/SimDesktop.h"
#include "platform/SimLayouts.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419;

struct Settings : KeyboardSettings {
  int spaceOnly = 1, prepos = 1, ctrl = 0;
  int autoswSpaceOnly() const override { return spaceOnly; }
  int autoswPrepos() const override { return prepos; }
  int switchLayoutCtrl() const override { return ctrl; }
};

struct Fixture : ::testing::Test {
  Settings settings;
  test::WordSet words;
  std::unique_ptr<sim::SimDesktop> d;

  void start(std::vector<Hkl> layouts = {kUs, kRu}) {
    d = std::make_unique<sim::SimDesktop>(layouts, settings);
    d->dictionary = [this](const Str8& w, int32_t cp) { return words.check(w, cp); };
    d->tracing = true;
  }
  void type(const std::string& script) {
    simtool::DesktopTyper t(*d);
    std::string err;
    ASSERT_TRUE(t.runScript(script, err)) << err;
  }
  std::string dump() {
    std::string s;
    for (auto& l : d->trace) s += l + "\n";
    return s;
  }
};

TEST_F(Fixture, SixLetterWordIsRetypedWithEraseCountSeven) {
  words.add(1251, {"привет"});
  words.add(1252, {"hello"});
  start();
  d->clipboardPort.putText(u"keep", 4);
  type("ghbdtn ");
  EXPECT_EQ(d->appTextUtf8(), "привет ") << dump();
  EXPECT_EQ(d->activeLayout(), kRu);
  EXPECT_EQ(d->shared.eraseCount, 7u);
  EXPECT_EQ(utf16ToUtf8(d->clipboardText()), "keep");
  EXPECT_NE(std::find(d->sounds.begin(), d->sounds.end(), kSndSwitch), d->sounds.end());
}

}  // namespace
}  // namespace orv
