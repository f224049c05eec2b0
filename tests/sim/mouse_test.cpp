// A click in the application moves the caret away from the typed text: the
// text is dropped, so a word typed after the click is judged, and erased,
// alone, and nothing the user typed before it is ever erased.
#include <gtest/gtest.h>

#include <memory>

#include "keyboard/sim/SimDesktop.h"
#include "platform/Text.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419;

struct ClickCase {
  const char* name;
  const char* before;  // typed at the end of "one two "
  int32_t caret;       // where the click puts the caret
  const char* after;   // typed at the new caret
  const char* shown;   // what the application shows at the end
};

TEST(MouseClick, TextTypedBeforeAClickIsNeverErasedByALaterRetype) {
  const ClickCase cases[] = {
      // "ghb" + "dtn" would be "привет": judged apart, "вет" is no word.
      {"split word", "ghb", 4, "dtn ", "one dtn two ghb"},
      // A wrong-layout word after the click erases only itself.
      {"word after click", "ghb", 4, "vbh ", "one мир two ghb"},
      {"click at the end", "ghb", 11, "dtn ", "one two ghbdtn "},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    KeyboardSettings settings;
    test::WordSet words;
    words.add(1251, {"привет", "мир"});
    sim::SimDesktop d({kUs, kRu}, settings);
    d.dictionary = [&](const Str8& w, int32_t cp) { return words.check(w, cp); };
    d.setAppText(str16(u"one two "));
    simtool::DesktopTyper t(d);
    std::string err;
    ASSERT_TRUE(t.runScript(c.before, err)) << err;
    d.userClick(c.caret);
    ASSERT_TRUE(t.runScript(c.after, err)) << err;
    EXPECT_EQ(d.appTextUtf8(), c.shown);
  }
}

}  // namespace
}  // namespace orv
