// Key events through KeyboardState::onKeyEvent, and mouse buttons through
// onMouseEvent, in the simulated desktop.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "keyboard/KeyboardState.h"
#include "keyboard/MouseEvents.h"
#include "platform/SimLayouts.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimKeyboard.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kDe = 0x04070407;
constexpr uint32_t kMenuWindow = 0x777;

// Records the calls into the surrounding parts.
struct RecordingSeams : KeyboardSeams {
  std::vector<std::string> calls;
  std::vector<int> sounds;
  bool menuOpen = false, disabled = false, takeHotkey = false, expandNote = false;
  int wordLength = 0;
  int resets = 0;
  void (*analysis)(KeyboardState&) = nullptr;

  bool worksIn(const char*) override { return !disabled; }
  bool offerHotkey(KeyboardState&, const KeyEventRecord&) override { return takeHotkey; }
  bool isMenuOpen() override { return menuOpen; }
  void offerKeyToMenu(KeyboardState&, const KeyEventRecord& r) override { calls.push_back("menu:" + std::to_string(r.vk)); }
  void closeMenu() override { calls.push_back("closeMenu"); }
  void completeSequence(KeyboardState&, const KeyEventRecord&) override { calls.push_back("complete"); }
  void carryOutSwitch(KeyboardState&, KeybBuffer* t) override { calls.push_back("switch:" + std::to_string(t->layout)); }
  bool expandNoteShortcut(KeyboardState& s, const KeyEventRecord&) override {
    calls.push_back("note:" + std::string(view(s.current->text)));
    return expandNote;
  }
  void analyseWord(KeyboardState& s, const KeyEventRecord&) override {
    calls.push_back("analyse:" + std::string(view(s.current->text)));
    if (analysis) analysis(s);
  }
  int currentWordLength(KeyboardState&) override { return wordLength; }
  void playSound(int i) override { sounds.push_back(i); }
  void textReset() override { ++resets; }
  std::vector<std::string> candidates;
  bool isMenuWindow(uint32_t hwnd) override { return hwnd == kMenuWindow; }
  void notePolicyCandidate(const char* exe) override { candidates.push_back(exe); }
  uint32_t offerMouseToClipboard(KeyboardState&, const MouseEventRecord&) override { return 1; }
};

struct Fixture : ::testing::Test {
  sim::SimKeyboard kb;
  KeyboardSettings settings;
  RecordingSeams seams;
  KeyboardState state{kb, settings, seams};
  sim::SimInput input{kb};

  void SetUp() override {
    Hkl list[] = {kUs, kRu, kDe};
    kb.setInstalled(list, 3);
    state.syncLayouts();
  }
  uint32_t send(uint32_t vk, uint32_t scan, bool up, bool repeat = false) {
    return state.onKeyEvent(input.key(vk, scan, up, false, repeat));
  }
  void tap(uint32_t vk, uint32_t scan) {
    send(vk, scan, false);
    send(vk, scan, true);
  }
  void tapWith(uint32_t modifierVk, uint32_t modifierScan, uint32_t vk, uint32_t scan) {
    send(modifierVk, modifierScan, false);
    tap(vk, scan);
    send(modifierVk, modifierScan, true);
  }
  std::string text(Hkl layout) {
    state.rebuildTexts();
    return std::string(view(state.buffer(layout)->text));
  }
};

using KeyEvents = Fixture;

TEST_F(KeyEvents, LettersRenderInEveryLayoutAndKeepTheirShiftState) {
  for (auto [vk, scan] : {std::pair{'G', 0x22}, {'H', 0x23}, {'B', 0x30}}) tap(vk, scan);
  EXPECT_EQ(text(kUs), "ghb");
  EXPECT_EQ(text(kRu), "\xEF\xF0\xE8");  // при
  EXPECT_EQ(state.typedKeys[0], 0x00670022u);  // scan 0x22, plain, 'g'
  tapWith(16, 0x2A, 'A', 0x1E);
  EXPECT_EQ(state.typedKeys.last(), 0x0041011Eu);  // shift state 1
  tap(20, 0x3A);  // Caps Lock on: shift state 2
  tap('B', 0x30);
  EXPECT_EQ(state.typedKeys.last(), 0x00420230u);
}

TEST_F(KeyEvents, AutoRepeatGoesIntoTheTextButNotTheHistory) {
  for (bool repeat : {false, true, true}) send('A', 0x1E, false, repeat);
  send('A', 0x1E, true);
  EXPECT_EQ(text(kUs), "aaa");
  EXPECT_EQ(state.history.size(), 2);  // how repeats fold is key_history_test's
}

TEST_F(KeyEvents, BackspaceRemovesAKeyAndASpaceIsAnElementOfItsOwn) {
  tap('A', 0x1E);
  tap(8, 0x0E);
  EXPECT_EQ(state.typedKeys.size(), 0);
  EXPECT_EQ(state.tracking, 1u);  // an emptied text is still tracked
  tap('B', 0x30);
  tap(32, 0x39);
  tap('C', 0x2E);
  ASSERT_EQ(state.typedKeys.size(), 3);
  EXPECT_EQ(state.typedKeys[1], kSpaceElement);
  EXPECT_EQ(text(kUs), "b c");
}

TEST_F(KeyEvents, WordBreakingKeysResetAndEnterSounds) {
  tap('A', 0x1E);
  send(13, 0x1C, false);
  EXPECT_EQ(state.typedKeys.size(), 0);
  EXPECT_EQ(state.tracking, 0u);
  tap('B', 0x30);  // tracking is off until the breaking key comes up
  EXPECT_EQ(state.typedKeys.size(), 0);
  send(13, 0x1C, true);
  tap('B', 0x30);
  EXPECT_EQ(text(kUs), "b");
  EXPECT_NE(std::find(seams.sounds.begin(), seams.sounds.end(), kSndKey), seams.sounds.end());
}

TEST_F(KeyEvents, DeadKeyThatDoesNotCombineStoresItsOwnCharacter) {
  kb.activateLayout(kDe);
  tap('A', 0x1E);  // a new layout: the text starts here
  tap(0xDC, 0x29);  // ^ (dead)
  tap('X', 0x2D);
  ASSERT_EQ(state.typedKeys.size(), 3);
  EXPECT_EQ(state.typedKeys[1], 0x005E0029u);  // the dead key's element gets ^
  EXPECT_EQ(state.typedKeys[2], 0x0078002Du);
  tap(0xDC, 0x29);
  tap('A', 0x1E);
  EXPECT_EQ(state.typedKeys[3], 0x00000029u);  // combined: the dead key keeps 0
  EXPECT_EQ(state.typedKeys[4], 0x00E2001Eu);  // â
}

TEST_F(KeyEvents, FirstKeyADeadKeyIsPrintableAndSoundsKey) {
  // Only German installed: no layout text grows (another layout would read
  // the key as a character).
  Hkl de[] = {kDe};
  kb.setInstalled(de, 1);
  state.syncLayouts();
  send(0xDC, 0x29, false);
  EXPECT_EQ(state.outcome.printableKey, 1u);
  EXPECT_EQ(state.outcome.textGrew, 0u);
  EXPECT_EQ(seams.sounds, std::vector<int>{kSndKey});
}

// Keys typed into a hotkey field are being chosen for a hotkey: neither run
// as one nor tracked.
TEST_F(KeyEvents, TheHotkeyFieldsKeysAreNeitherHotkeysNorTracked) {
  seams.takeHotkey = true;
  input.app().focusClass = "msctls_hotkey32";
  EXPECT_EQ(send('A', 0x1E, false), 0u);
  EXPECT_EQ(state.typedKeys.size(), 0);
}

TEST_F(KeyEvents, OpenMenuTakesItsKeysEscapeDiscardsTheTextAndALetterClosesIt) {
  tap('A', 0x1E);
  seams.menuOpen = true;
  EXPECT_EQ(send(27, 0x01, false), 1u);
  EXPECT_NE(std::find(seams.calls.begin(), seams.calls.end(), "menu:27"), seams.calls.end());
  EXPECT_EQ(state.typedKeys.size(), 0);
  EXPECT_EQ(state.tracking, 0u);  // a word was discarded: tracking waits
  seams.calls.clear();
  EXPECT_EQ(send('B', 0x30, false), 0u);  // reaches the application, never lost
  EXPECT_EQ(seams.calls, std::vector<std::string>{"closeMenu"});
  seams.menuOpen = false;
  tap(32, 0x39);
  EXPECT_EQ(state.tracking, 1u);
}

TEST_F(KeyEvents, SequenceDoneRunsTheCompletionStepOnly) {
  tap('A', 0x1E);
  KeyEventRecord r = input.key(0xFF, 0, true);
  r.sequenceDone = 1;
  size_t before = state.history.size();
  EXPECT_EQ(state.onKeyEvent(r), 0u);
  EXPECT_EQ(seams.calls.back(), "complete");
  EXPECT_EQ(size_t(state.history.size()), before);
}

TEST_F(KeyEvents, AnalysisRunsOnGrowthAndAPendingSwitchRunsAtTheKeyUp) {
  seams.analysis = [](KeyboardState& s) {
    if (s.typedKeys.size() == 2) s.pendingSwitch = s.buffer(kRu);
  };
  send('G', 0x22, false);
  EXPECT_EQ(seams.calls.back(), "analyse:g");
  send('G', 0x22, true);
  tap('H', 0x23);
  EXPECT_EQ(seams.calls.back(), "switch:" + std::to_string(kRu));
  EXPECT_EQ(state.switchedInWord, 1u);
  EXPECT_EQ(state.pendingSwitch, nullptr);
  tap(32, 0x39);
  tap(32, 0x39);
  auto analyses = [&] { return std::count_if(seams.calls.begin(), seams.calls.end(),
                                              [](const std::string& c) { return c.rfind("analyse:", 0) == 0; }); };
  auto n = analyses();
  tap(32, 0x39);  // three spaces: the array ends in two space elements
  EXPECT_EQ(analyses(), n);
}

TEST_F(KeyEvents, NoteShortcutOnTheAutocompleteKeyIsSwallowed) {
  tap('B', 0x30);
  tap('R', 0x13);
  seams.expandNote = true;
  seams.sounds.clear();
  EXPECT_EQ(send(32, 0x39, false), 1u);
  EXPECT_EQ(seams.calls.back(), "note:br");
  EXPECT_EQ(state.typedKeys.size(), 0);
  EXPECT_EQ(state.tracking, 1u);
  EXPECT_EQ(seams.sounds, std::vector<int>{kSndWordFound});
}

TEST_F(KeyEvents, SoundsFollowTheOutcome) {
  seams.wordLength = 5;
  auto last = [&] { return seams.sounds.empty() ? -1 : seams.sounds.back(); };
  send('A', 0x1E, false);  // long unknown word grew
  EXPECT_EQ(last(), kSndNotFound);
  seams.sounds.clear();
  send('A', 0x1E, false, true);  // a repeat: no "not found"
  EXPECT_TRUE(seams.sounds.empty());
  seams.analysis = [](KeyboardState& s) { s.outcome.wordFound = 1; };
  send(32, 0x39, false, true);  // a found word on Space plays even on a repeat
  EXPECT_EQ(last(), kSndWordFound);
  seams.analysis = [](KeyboardState& s) { s.outcome.switchDone = 1; };
  seams.sounds.clear();
  send('B', 0x30, false);
  EXPECT_TRUE(seams.sounds.empty());
}

TEST_F(KeyEvents, SyncLayoutsFollowsInstallsAndRemovals) {
  tap('A', 0x1E);
  EXPECT_TRUE(state.syncLayouts());
  EXPECT_EQ(state.typedKeys.size(), 1);  // nothing changed: no reset
  kb.uninstall(kDe);
  kb.uninstall(kRu);
  EXPECT_FALSE(state.syncLayouts());
  EXPECT_EQ(state.buffers.size(), 1);
  EXPECT_EQ(state.typedKeys.size(), 0);
  kb.install(kRu);
  EXPECT_TRUE(state.syncLayouts());
  EXPECT_EQ(state.analysisOrder.size(), 2);
  EXPECT_EQ(state.analysisOrder[1]->layout, kRu);
}

// The layout texts are kept up to date key by key; after every key they must
// be byte for byte what rendering all the typed keys again gives, in every
// simulated layout, through dead keys, Shift, Caps Lock, Backspace, resets
// and layout changes.
TEST_F(KeyEvents, TextsKeptKeyByKeyEqualAFullRenderingOfTheTypedKeys) {
  std::vector<Hkl> all;
  for (int32_t i = 0; i < simLayoutCount(); ++i) all.push_back(simLayoutAt(i).hkl);
  kb.setInstalled(all.data(), int32_t(all.size()));
  state.syncLayouts();
  std::vector<std::pair<uint32_t, uint32_t>> keys;  // vk, scan
  const SimLayout& us = *findSimLayout("us");
  for (int32_t i = 0; i < us.keyCount; ++i) keys.push_back({us.keys[i].vk, us.keys[i].scan});
  uint32_t seed = 2024;
  auto next = [&](uint32_t n) { return seed = seed * 1103515245u + 12345u, ((seed >> 16) & 0x7FFF) % n; };
  auto expectFullRendering = [&](int step) {
    for (int32_t b = 0; b < state.buffers.size(); ++b) {
      const KeybBuffer& buf = *state.buffers.valAt(b);
      Str8 full;
      ArrT<int> positions;
      renderKeys(buf.map, state.typedKeys.data(), state.typedKeys.size(), full, positions);
      ASSERT_EQ(std::string(view(buf.text)), std::string(view(full))) << "step " << step << " layout " << buf.layout;
      ASSERT_TRUE(std::equal(buf.positions.begin(), buf.positions.end(), positions.begin(), positions.end()))
          << "step " << step;
    }
  };
  for (int step = 0; step < 6000; ++step) {
    uint32_t pick = next(100);
    if (pick < 12) {
      tap(8, 0x0E);
    } else if (pick < 20) {
      tap(32, 0x39);
    } else if (pick < 23) {
      send(16, 0x2A, (kb.keyState()[16] & 0x80) != 0);  // Shift down or up
      continue;
    } else if (pick < 24) {
      tap(20, 0x3A);
    } else if (pick < 25) {
      tap(13, 0x1C);
    } else if (pick < 26) {
      kb.activateLayout(all[next(uint32_t(all.size()))]);
      if (next(2)) state.expectedLayout = kb.currentLayout();  // as after a switch: the text stays
    } else {
      auto [vk, scan] = keys[next(uint32_t(keys.size()))];
      send(vk, scan, false);
      if (!state.outcome.resetDone) expectFullRendering(step);
      send(vk, scan, true);
    }
    state.renderTexts();
    expectFullRendering(step);
    if (HasFatalFailure()) return;
  }
}

// After "a", each event either starts a new text or leaves the word going;
// then "b" is typed (US layout unless the event changed it).
TEST_F(KeyEvents, WhatEndsTheWordAndWhatLeavesItGoing) {
  constexpr Hkl kFr = 0x040C040C;
  struct Case {
    const char* what;
    void (*event)(Fixture&);
    const char* text;  // of the US layout afterwards
    int keys;          // typed-key elements afterwards
  } cases[] = {
      {"F1", [](Fixture& f) { f.tap(112, 0x3B); }, "b", 1},
      {"F12", [](Fixture& f) { f.tap(123, 0x58); }, "b", 1},
      {"Left arrow", [](Fixture& f) { f.tap(37, 0x4B); }, "b", 1},
      {"Shift+Insert", [](Fixture& f) { f.tapWith(16, 0x2A, 45, 0x52); }, "b", 1},
      {"Tab, which no layout renders", [](Fixture& f) { f.tap(9, 0x0F); }, "b", 1},
      {"Ctrl+C", [](Fixture& f) { f.tapWith(17, 0x1D, 'C', 0x2E); }, "b", 1},
      {"focus change", [](Fixture& f) { f.input.app().focus = 0x4444; }, "b", 1},
      {"layout the user chose", [](Fixture& f) { f.kb.activateLayout(kRu); }, "b", 1},
      {"a click", [](Fixture& f) {
         f.state.resetAndTrack();
         EXPECT_EQ(f.state.outcome.resetDone, 1u);
       }, "b", 1},
      {"a key in layout 0", [](Fixture& f) {
         KeyEventRecord r = f.input.key('D', 0x20, false);
         r.layout = 0;
         EXPECT_EQ(f.state.onKeyEvent(r), 0u);
       }, "b", 1},
      {"disabled application", [](Fixture& f) { f.seams.disabled = true; }, "", 0},
      {"F13", [](Fixture& f) { f.tap(124, 0x64); }, "ab", 3},
      {"Insert", [](Fixture& f) { f.tap(45, 0x52); }, "ab", 3},
      {"Escape, menu closed: no character", [](Fixture& f) { f.tap(27, 0x01); }, "ab", 3},
      {"modifiers alone", [](Fixture& f) {
         f.send(17, 0x1D, false);
         f.send(16, 0x2A, false);
         f.send(16, 0x2A, true);
         f.send(17, 0x1D, true);
       }, "ab", 2},
      {"layout without a buffer", [](Fixture& f) {
         f.kb.install(kFr);
         f.kb.activateLayout(kFr);
         f.state.expectedLayout = kFr;
         f.tap('B', 0x30);
         EXPECT_EQ(f.state.current, nullptr);
       }, "", 0},
      {"layout the program chose", [](Fixture& f) {
         f.kb.activateLayout(kRu);
         f.state.expectedLayout = kRu;
       }, "ab", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    seams.disabled = false;
    kb.activateLayout(kUs);
    tap(13, 0x1C);
    tap('A', 0x1E);
    c.event(*this);
    tap('B', 0x30);
    EXPECT_EQ(state.typedKeys.size(), c.keys);
    if (c.keys) { EXPECT_EQ(text(kUs), c.text); }
  }
  EXPECT_EQ(state.previousLayout, kUs);  // the last case: the program's own change
}

TEST_F(KeyEvents, MouseButtonEventsDropTheTextExceptClicksOnTheOpenMenu) {
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
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    seams = RecordingSeams();
    seams.disabled = !c.works;
    seams.menuOpen = c.menuOpen;
    MouseEventRecord m{};
    m.message = c.message;
    m.window = c.window;
    std::snprintf(m.exeName, sizeof m.exeName, "notepad.exe");
    MouseOutcome r = onMouseEvent(state, m);
    EXPECT_EQ(r.reset, c.reset);
    EXPECT_EQ(seams.resets, c.reset ? 1 : 0);
    EXPECT_EQ(r.result, c.offered ? 1 : 0);
    const bool reported = c.message != 512 && c.message != 522;
    EXPECT_EQ(seams.candidates, reported ? std::vector<std::string>{"notepad.exe"} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace orv
