// Learning layouts from the simulated desktop, and rendering typed keys.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "keyboard/LayoutCharMap.h"
#include "platform/SimLayouts.h"
#include "platform/sim/SimKeyboard.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kUa = 0x04220422, kDe = 0x04070407, kFr = 0x040C040C;

LayoutCharMap learn(Hkl layout) {
  sim::SimKeyboard kb;
  Hkl all[] = {kUs, kRu, kUa, kDe, kFr};
  kb.setInstalled(all, 5);
  return buildLayoutCharMap(kb, layout);
}

unsigned wideAt(const LayoutCharMap& m, unsigned scan, unsigned s) {
  const unsigned* w = m.toWide.get(keyCode(scan, s));
  return w ? *w : 0;
}

// positions: where each typed key's characters begin in the text.
std::string render(const LayoutCharMap& m, std::initializer_list<uint32_t> codes, std::vector<int>* positions = nullptr) {
  ArrT<uint32_t> elems;
  for (uint32_t c : codes) elems.append(c);
  Str8 text;
  ArrT<int> pos;
  renderKeys(m, elems.data(), elems.size(), text, pos);
  EXPECT_EQ(pos.size(), text.size());
  if (positions) positions->assign(pos.begin(), pos.end());
  return std::string(view(text));
}

// What each key gives in each shift state (0 plain, 1 Shift, 2 Caps Lock,
// 3 both), as learnt by pressing it.
TEST(LayoutMap, ShiftStatesFollowCapsLockOnlyWhereTheLayoutSaysSo) {
  const struct {
    Hkl layout;
    unsigned scan, shift;
    char16_t wide;  // 0: the key gives nothing there
  } cases[] = {
      {kUs, 0x1E, 0, u'a'}, {kUs, 0x1E, 1, u'A'}, {kUs, 0x1E, 2, u'A'}, {kUs, 0x1E, 3, u'a'},
      {kUs, 0x02, 2, u'1'}, {kUs, 0x02, 3, u'!'},  // US digits ignore Caps Lock
      {kRu, 0x10, 0, u'\u0439'}, {kRu, 0x10, 2, u'\u0419'}, {kRu, 0x04, 1, u'\u2116'},
      {kFr, 0x03, 0, u'\u00E9'}, {kFr, 0x03, 2, u'2'}, {kFr, 0x03, 3, u'\u00E9'},  // French ones do not
      {kFr, 0x29, 0, u'\u00B2'}, {kFr, 0x29, 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(wideAt(learn(c.layout), c.scan, c.shift), unsigned(c.wide)) << c.layout << " " << c.scan << " " << c.shift;
}

TEST(LayoutMap, CharactersMapBackToTheLowestShiftStateAndTheLaterKey) {
  LayoutCharMap us = learn(kUs);
  EXPECT_EQ(us.codePage, 1252u);
  EXPECT_EQ(*us.fromWide.get(u'A'), keyCode(0x1E, 1));
  EXPECT_EQ(*us.fromChar.get('a'), keyCode(0x1E, 0));
  // Within one shift state the later (higher) scan code wins: \ is on 0x2B and 0x56.
  EXPECT_EQ(*us.fromWide.get(u'\\'), keyCode(0x56, 0));
}

TEST(LayoutMap, ExcludedAndSilentKeysAreNotLearnt) {
  LayoutCharMap us = learn(kUs);
  for (unsigned scan : {0x39u, 0x0Fu, 0x1Cu, 0x47u}) EXPECT_FALSE(us.keys.contains(scan)) << scan;  // Space Tab Enter keypad 7
  EXPECT_EQ(*us.keys.get(0x1E), unsigned('A'));
  EXPECT_EQ(us.keys.size(), 48);  // the main block: 47 keys plus the 102nd key
}

// A key that gives nothing without modifiers but something with Shift is
// dropped from every map.
class ShiftOnlyKeyboard : public sim::SimKeyboard {
 public:
  KeyMessages translateKey(uint32_t vk, uint32_t scan, bool up) override {
    if (vk == 'Q' && !up) {
      uint8_t st[256];
      getKeyState(st);
      KeyMessages m;
      if (st[16] & 0x80) {
        m.firstChar = '@';
        m.chars = 1;
      }
      return m;
    }
    return SimKeyboard::translateKey(vk, scan, up);
  }
};

TEST(LayoutMap, KeyGivingNothingUnshiftedIsAbsentEverywhere) {
  ShiftOnlyKeyboard kb;
  LayoutCharMap us = buildLayoutCharMap(kb, kUs);
  EXPECT_FALSE(us.keys.contains(0x10));
  for (unsigned s = 0; s < 4; ++s) EXPECT_EQ(wideAt(us, 0x10, s), 0u);
  EXPECT_FALSE(us.fromWide.contains(u'@') && keyScan(*us.fromWide.get(u'@')) == 0x10);
}

TEST(LayoutMap, CyrillicLettersAndTheirCodePage) {
  LayoutCharMap ru = learn(kRu);
  EXPECT_EQ(ru.codePage, 1251u);
  EXPECT_EQ(*ru.toChar.get(keyCode(0x10, 0)), 0xE9u);  // й in 1251
  for (unsigned w : {0x439u, 0x419u}) EXPECT_TRUE(ru.letters.contains(w));
  for (unsigned c : {0xE9u, 0xC9u}) EXPECT_TRUE(ru.letters8.contains(c));
  EXPECT_FALSE(ru.letters.contains(u'1'));
}

TEST(LayoutMap, LearningRestoresLayoutAndKeyboardState) {
  sim::SimKeyboard kb;
  kb.activateLayout(kRu);
  kb.keyState()[16] = 0x80;
  kb.keyState()[20] = 1;
  uint8_t before[256];
  kb.getKeyState(before);
  buildLayoutCharMap(kb, kUs);
  EXPECT_EQ(kb.currentLayout(), kRu);
  EXPECT_EQ(std::memcmp(before, kb.keyState(), 256), 0);
  EXPECT_EQ(kb.pendingDead(), 0);
}

// A dead key (by its key code) and a second key's scan code: the character
// the pair gives, 0 when the second key waits too, -1 when they do not
// combine (two characters came) and -2 when the first key is no dead key.
TEST(LayoutMap, DeadKeysAndTheirCombinations) {
  const struct {
    Hkl layout;
    unsigned dead, second;
    int combined;
  } cases[] = {
      {kDe, keyCode(0x29, 0), 0x1E, 0xE2},   // ^ a -> â
      {kDe, keyCode(0x29, 0), 0x12, 0xEA},   // ^ e -> ê
      {kDe, keyCode(0x29, 0), 0x2D, -1},     // x does not combine
      {kDe, keyCode(0x29, 0), 0x0D, -1},     // another dead key does not combine either
      {kDe, keyCode(0x29, 1), 0x1E, -2},     // ° is no dead key
      {kDe, keyCode(0x0D, 1), 0x1E, 0xC0},   // shift state 1 pairs: ` with Shift+a gives À
      {kDe, keyCode(0x29, 2), 0x1E, 0xC2},   // Caps Lock acts on the second key only: Â
      {kDe, keyCode(0x0D, 0), 0x2C, 0xFD},   // ´ y -> ý (y is on scan 0x2C)
      // French ¨ (Shift on ^) pairs in its own shift state: with Shift+a Ä,
      // with Shift+y (Y has no diaeresis form) two characters.
      {kFr, keyCode(0x1A, 1), 0x10, 0xC4},
      {kFr, keyCode(0x1A, 1), 0x15, -1},
      {kFr, keyCode(0x1A, 1), 0x29, 0},      // with Shift+² (nothing) it waits
      {kFr, keyCode(0x1A, 1), 0x2B, -1},     // µ does not combine
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.layout << " " << c.dead << " " << c.second);
    LayoutCharMap m = learn(c.layout);
    const MapT<unsigned, unsigned>* pairs = m.deadKeys.get(c.dead);
    const unsigned* got = pairs ? pairs->get(c.second) : nullptr;
    EXPECT_EQ(!pairs ? -2 : got ? int(*got) : -1, c.combined);
  }
  EXPECT_EQ(*learn(kDe).toChar.get(keyCode(0x29, 0)), unsigned('^'));
  EXPECT_EQ(*learn(kFr).toChar.get(keyCode(0x1A, 2)), 0xA8u);  // Caps Lock on ^ gives the dead ¨
}

TEST(RenderKeys, DeadKeyFollowedBySpaceCombiningOrOtherKey) {
  LayoutCharMap de = learn(kDe);
  EXPECT_EQ(render(de, {0x29, 0x1E}), "\xE2");          // ^ a -> â
  EXPECT_EQ(render(de, {0x29, 0x2D}), "^x");            // ^ x -> ^x
  EXPECT_EQ(render(de, {0x29, 0x00200000}), "^");       // ^ Space -> ^
  EXPECT_EQ(render(de, {0x29, 0x11E}), "^A");           // only unshifted second keys are found
  EXPECT_EQ(render(de, {0x1E, 0x29}), "a");             // pending at the end: nothing
  EXPECT_EQ(render(de, {0x1E, 0x00200000, 0x1F}), "a s");
  EXPECT_EQ(render(de, {0x0F, 0x01, 0x1E}), "a");       // unmapped codes give nothing
  std::vector<int> positions;
  EXPECT_EQ(render(de, {0x1E, 0x29, 0x2D}, &positions), "a^x");
  EXPECT_EQ(positions, (std::vector<int>{0, 2, 2}));  // the dead key's own character goes with the second key
}

}  // namespace
}  // namespace orv
