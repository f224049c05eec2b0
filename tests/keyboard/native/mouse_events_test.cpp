// Mouse button events through onMouseEvent: when the typed text is dropped,
// what the policies and the clipboard menu's seam are told.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "keyboard/KeyboardState.h"
#include "keyboard/MouseEvents.h"
#include "support/NoLayoutKeyboard.h"

namespace orv {
namespace {

constexpr uint32_t kMenuWindow = 0x777;

struct MouseSeams : KeyboardSeams {
  bool works = true, menuOpen = false;
  int resets = 0, offers = 0;
  std::vector<std::string> candidates;
  bool worksIn(const char*) override { return works; }
  bool isMenuOpen() override { return menuOpen; }
  bool isMenuWindow(uint32_t hwnd) override { return hwnd == kMenuWindow; }
  void notePolicyCandidate(const char* exe) override { candidates.push_back(exe); }
  uint32_t offerMouseToClipboard(KeyboardState&, const MouseEventRecord&) override {
    ++offers;
    return 1;
  }
  void textReset() override { ++resets; }
};

TEST(MouseEvents, ButtonEventsDropTheTextExceptClicksOnTheOpenMenu) {
  struct Case {
    uint32_t message, window;
    bool works, menuOpen, reset, offered;
  } cases[] = {
      {513, 0x100, true, false, true, true},           // left press in the application
      {514, 0x100, true, false, true, true},           // its release
      {164, 0x100, true, false, true, true},           // non-client right press
      {519, kMenuWindow, true, true, false, true},     // middle press on the open menu
      {513, 0x100, true, true, true, true},            // a press beside the open menu
      {513, kMenuWindow, true, false, true, true},     // a stale menu window, no menu open
      {513, kMenuWindow, false, true, true, false},    // where the program does not work: always
      {512, 0x100, true, false, false, false},         // a move is no button event
      {522, 0x100, true, false, false, false},         // nor is the wheel
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message " << c.message << " window " << c.window << " works " << c.works
                                    << " menu " << c.menuOpen);
    test::NoLayoutKeyboard port;
    KeyboardSettings settings;
    MouseSeams seams;
    seams.works = c.works;
    seams.menuOpen = c.menuOpen;
    KeyboardState state(port, settings, seams);
    state.typedKeys.append(0x22);
    state.tracking = 0;
    MouseEventRecord m{};
    m.message = c.message;
    m.window = c.window;
    std::snprintf(m.exeName, sizeof m.exeName, "notepad.exe");
    MouseOutcome r = onMouseEvent(state, m);
    EXPECT_EQ(r.reset, c.reset);
    EXPECT_EQ(seams.resets, c.reset ? 1 : 0);
    EXPECT_EQ(state.typedKeys.size(), c.reset ? 0 : 1);
    EXPECT_EQ(state.tracking, c.reset ? 1u : 0u);
    EXPECT_EQ(seams.offers, c.offered ? 1 : 0);
    EXPECT_EQ(r.result, c.offered ? 1 : 0);
    const bool reported = c.message != 512 && c.message != 522;
    EXPECT_EQ(seams.candidates, reported ? std::vector<std::string>{"notepad.exe"} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace orv
