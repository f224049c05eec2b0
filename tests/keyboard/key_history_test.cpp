#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "keyboard/KeyHistory.h"
#include "keyboard/LayoutOrder.h"

namespace orv {
namespace {

KeyEventRecord keyRecord(uint32_t vk, bool up, bool repeat = false, uint32_t focus = 7) {
  KeyEventRecord r;
  std::memset(&r, 0, sizeof(r));
  r.vk = vk;
  r.thread = 3;
  r.focus = focus;
  r.keyFlags = 1u | (up ? 0xC0000000u : (repeat ? 0x40000000u : 0u));
  return r;
}

std::vector<Hkl> listed(const ArrT<Hkl>& a) { return std::vector<Hkl>(a.begin(), a.end()); }

TEST(KeyHistory, LeftCtrlDownIsRefinedAndItsUpStaysGeneric) {
  ArrT<RawKbd> h;
  KeyEventRecord down = keyRecord(17, false);
  down.keyState[162] = 0x80;
  appendKeyHistory(h, down);
  appendKeyHistory(h, keyRecord(17, true));
  ASSERT_EQ(h.size(), 2);
  EXPECT_EQ(h[0].vk, 162u);
  EXPECT_EQ(h[0].down, 1);
  EXPECT_EQ(h[1].vk, 17u);
  EXPECT_EQ(h[1].down, 0);

  KeyEventRecord right = keyRecord(17, false);
  right.keyState[162] = 0x80;
  right.keyState[163] = 0x80;  // the right key wins when both are held
  appendKeyHistory(h, right);
  EXPECT_EQ(h.last().vk, 163u);
}

TEST(KeyHistory, FoldsIdenticalEventsAndSkipsAutoRepeats) {
  ArrT<RawKbd> h;
  for (bool autoRepeat : {false, true, true}) appendKeyHistory(h, keyRecord('A', false, autoRepeat));
  EXPECT_EQ(h.size(), 1);
  EXPECT_EQ(h[0].count, 0u);
  appendKeyHistory(h, keyRecord('A', true));
  appendKeyHistory(h, keyRecord('A', true));  // two ups in a row in the same window
  ASSERT_EQ(h.size(), 2);
  EXPECT_EQ(h[1].count, 1u);
  appendKeyHistory(h, keyRecord('A', true, false, 8));  // another window: a new entry
  EXPECT_EQ(h.size(), 3);
}

TEST(KeyHistory, KeepsTheNewestHundred) {
  ArrT<RawKbd> h;
  for (uint32_t i = 0; i < 150; ++i) appendKeyHistory(h, keyRecord(0x100 + i, false));
  ASSERT_EQ(h.size(), kKeyHistoryMax);
  EXPECT_EQ(h[0].vk, 0x100u + 50);
  EXPECT_EQ(h.last().vk, 0x100u + 149);
}

TEST(LayoutOrder, ReadsHexadecimalHandlesSeparatedByBlanksAndTabs) {
  EXPECT_EQ(listed(parseLayoutOrder("  4190419\t0x04090409  junk 0 -5 FFFFFFFFF0A80422 ")),
            (std::vector<Hkl>{0x04190419, 0x04090409, 0xF0A80422}));
  EXPECT_EQ(parseLayoutOrder("").size(), 0);
}

// Of the installed layouts, the named ones first, then the system order; a
// layout not installed and a repeat are ignored.
TEST(LayoutOrder, NamedLayoutsFirstThenTheSystemOrderAndSkippedOnesLeftOut) {
  Hkl installed[] = {0x04090409, 0x04190419, 0x04070407};
  ArrT<Hkl> list(installed, 3);
  EXPECT_EQ(listed(programLayoutOrder(list, "04070407 12345678 04070407")),
            (std::vector<Hkl>{0x04070407, 0x04090409, 0x04190419}));
  EXPECT_EQ(listed(withoutSkipped(list, "4190419 12345678")), (std::vector<Hkl>{0x04090409, 0x04070407}));
}

}  // namespace
}  // namespace orv
