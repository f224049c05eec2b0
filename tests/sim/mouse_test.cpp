// The mouse in the whole flow: a click moves the caret away from the typed
// text, so nothing typed before it is ever erased by a later retype; the
// clipboard menu on the middle button and the copy on a right click.
#include "sim/SimHarness.h"

namespace orv {
namespace {

using namespace test;

TEST(MouseClick, TextTypedBeforeAClickIsNeverErasedByALaterRetype) {
  const struct {
    const char* name;
    const char* before;  // typed at the end of "one two "
    int32_t caret;       // where the click puts the caret
    const char* after;   // typed at the new caret
    const char* shown;
  } cases[] = {
      // "ghb" + "dtn" would be "привет": judged apart, "вет" is no word.
      {"split word", "ghb", 4, "dtn ", "one dtn two ghb"},
      // A wrong-layout word after the click erases only itself.
      {"word after click", "ghb", 4, "vbh ", "one мир two ghb"},
      {"click at the end", "ghb", 11, "dtn ", "one two ghbdtn "},
  };
  WordSet words;
  words.add(1251, {"привет", "мир"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeyboardSettings settings;
    auto d = desktopWith({kUs, kRu}, settings, words);
    d->setAppText(str16(u"one two "));
    typeInto(*d, c.before);
    d->userClick(c.caret);
    typeInto(*d, c.after);
    EXPECT_EQ(d->appTextUtf8(), c.shown);
  }
}

// The middle button opens the clipboard menu: alone or with Alt as set, where
// the application's policy allows it. Off links a click does it (press and
// release swallowed); over a link a single click stays the application's and
// only a double click opens the menu, its second press handed on after the
// double-click time.
struct MiddleStep {
  uint32_t message;
  uint32_t afterMs;  // simulated time before the event
};

struct MiddleCase {
  const char* name;
  int mode;                  // "mid_btn_modifiers"
  std::vector<uint8_t> held;  // modifier keys held
  bool hand;                 // over a link
  int32_t policy;            // the application's policy mask
  bool off;                  // the program switched off
  std::vector<MiddleStep> steps;
  const char* swallowed;     // per step: 's' swallowed, '.' passed
  int menus;
  int laterPresses;          // plain presses posted to the application
};

TEST(MiddleButton, OpensTheClipboardMenuAsSetAndKeepsSingleClicksOnLinks) {
  constexpr uint32_t kDown = 519, kUp = 520, kDbl = 521, kLeftDown = 513;
  const MiddleCase cases[] = {
      {"plain click", 1, {}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "ss", 1, 0},
      {"plain click with Alt, set alone", 1, {18}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"Alt click, set with Alt", 2, {18}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "ss", 1, 0},
      {"Ctrl+Alt click, set with Alt", 2, {17, 18}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"click without Alt, set with Alt", 2, {}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"disabled", 0, {}, false, -1, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"policy forbids the menu", 1, {}, false, ~0x20, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"program switched off", 1, {}, false, -1, true, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"link, single click", 1, {}, true, -1, false, {{kDown, 0}, {kUp, 50}}, "..", 0, 0},
      {"link, double click", 1, {}, true, -1, false, {{kDown, 0}, {kUp, 50}, {kDown, 100}, {kUp, 50}}, "..ss", 1, 1},
      {"link, two slow clicks", 1, {}, true, -1, false, {{kDown, 0}, {kUp, 50}, {kDown, 600}, {kUp, 50}}, "....", 0, 0},
      {"link, double-click message", 1, {}, true, -1, false, {{kDown, 0}, {kUp, 50}, {kDbl, 100}, {kUp, 50}}, "..ss", 1, 1},
      {"link, another button between", 1, {}, true, -1, false,
       {{kDown, 0}, {kUp, 50}, {kDown, 100}, {kLeftDown, 10}, {kUp, 10}}, "..s..", 0, 1},
  };
  for (const MiddleCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimSettings settings;
    settings.middleButton = c.mode;
    sim::SimDesktop d({kUs, kRu}, settings);
    d.policyMask = c.policy;
    if (c.off) d.engine.runCommand(str8("!!!onoff"));
    std::string swallowed;
    for (const MiddleStep& s : c.steps) {
      d.advance(s.afterMs);
      const uint32_t before = d.clipboardPort.tickCount();
      swallowed += d.userMouse(s.message, 300, 400, 0, c.hand, c.held) ? 's' : '.';
      // Answered at once: the application waits in its hook meanwhile.
      EXPECT_EQ(d.clipboardPort.tickCount(), before);
    }
    EXPECT_EQ(swallowed, c.swallowed);
    EXPECT_EQ(int(d.menuRequests.size()), c.menus);
    EXPECT_EQ(d.foregrounds, c.menus);
    ASSERT_EQ(int(d.postedMouse.size()), c.laterPresses);
    for (const sim::SimDesktop::PostedMouse& p : d.postedMouse) {
      // At the pointer in the window's client area, after the double-click time.
      EXPECT_EQ(p.message, kDown);
      EXPECT_EQ(p.x, 300 - 100);
      EXPECT_EQ(p.y, 400 - 200);
      EXPECT_GT(p.due - 150, d.doubleClick);
    }
  }
}

// A right click while the left button holds a selection copies it: the right
// press and release never reach the application, its selection drag is
// ended by a left release at the pointer, and the copy lands on the
// clipboard. Anywhere else the right button is the application's.
TEST(CopyByMouse, RightClickWithTheLeftButtonHeldCopiesTheSelection) {
  struct Case {
    const char* name;
    int setting;
    std::vector<uint8_t> held;
    bool copies;
  };
  const Case cases[] = {
      {"left held", 1, {1}, true},
      {"setting off", 0, {1}, false},
      {"left not held", 1, {}, false},
      {"middle held too", 1, {1, 4}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimSettings settings;
    settings.copyByMouse = c.setting;
    sim::SimDesktop d({kUs, kRu}, settings);
    d.setAppText(str16(u"copy this text"));
    d.select(5, 9);
    d.clipboardPort.putText(u"old", 3);
    bool down = d.userMouse(516, 250, 260, 0, false, c.held);  // WM_RBUTTONDOWN
    bool up = d.userMouse(517, 250, 260);                      // WM_RBUTTONUP
    d.idle();
    EXPECT_EQ(down, c.copies);
    EXPECT_EQ(up, c.copies);
    EXPECT_EQ(clipboardUtf8(d), c.copies ? "this" : "old");
    ASSERT_EQ(d.postedMouse.size(), c.copies ? 1u : 0u);
    if (c.copies) {
      EXPECT_EQ(d.postedMouse[0].message, 514u);  // WM_LBUTTONUP
      EXPECT_EQ(d.postedMouse[0].x, 150);
      EXPECT_EQ(d.postedMouse[0].y, 60);
    }
    EXPECT_EQ(d.appTextUtf8(), "copy this text");
  }
}

}  // namespace
}  // namespace orv
