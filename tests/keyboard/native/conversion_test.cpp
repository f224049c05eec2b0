// Conversions between simulated layouts, and the round trip between every
// ordered pair of them.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "keyboard/KeyboardState.h"
#include "keyboard/TextConversion.h"
#include "platform/SimLayouts.h"
#include "platform/sim/SimKeyboard.h"

namespace orv {
namespace {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kDe = 0x04070407;

struct Desk {
  sim::SimKeyboard kb;
  KeyboardSettings plain;
  KeyboardSeams seams;
  KeyboardState state;
  explicit Desk(std::initializer_list<Hkl> layouts, KeyboardSettings* settings = nullptr)
      : state(kb, settings ? *settings : plain, seams) {
    ArrT<Hkl> list;
    for (Hkl h : layouts) list.append(h);
    kb.setInstalled(list.data(), list.size());
    state.syncLayouts();
  }
};

// Text, from one layout to another; "!" in the result: the conversion fails
// and leaves its outputs alone.
TEST(ConvertText, ReadsEachCharacterAsTheOtherLayoutTypesItsKey) {
  const struct {
    Hkl from, to;
    std::u16string text, wide;
    std::string narrow = "";  // empty: not checked
  } cases[] = {
      {kUs, kRu, u"ghbdtn", u"привет", "\xEF\xF0\xE8\xE2\xE5\xF2"},  // in 1251
      {kRu, kUs, u"руддщ", u"hello"},
      {kUs, kRu, u"Ghbdtn!", u"Привет!"},
      // Blanks and untypable characters stay; € in the system page (1252).
      {kUs, kRu, u"a b\tc\r\nd\u20AC", u"ф и\tс\r\nв\u20AC", "\xF4 \xE8\t\xF1\r\n\xE2\x80"},
      {kUs, kRu, u"\u4E2D", u"\u4E2D", "?"},
      {kUs, kRu, std::u16string(u"ab\0c", 4), u"фи"},  // up to the terminating zero
      {kUs, kDe, u"x", u"!"},  // no buffer for German
  };
  Desk d({kUs, kRu});
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
    Str16 wide = str16(u"!");
    Str8 narrow;
    EXPECT_EQ(d.state.convertText(str16(c.text), c.from, c.to, wide, narrow), c.wide != u"!");
    EXPECT_EQ(std::u16string(view(wide)), c.wide);
    if (!c.narrow.empty()) { EXPECT_EQ(std::string(view(narrow)), c.narrow); }
  }
  Desk one({kUs});
  Str16 wide;
  Str8 narrow = str8("keep");
  EXPECT_FALSE(one.state.convertText(str16(u"x"), kUs, kUs, wide, narrow));
  EXPECT_FALSE(one.state.convertToNextLayout(str16(u"x"), wide, narrow));
  EXPECT_EQ(std::string(view(narrow)), "keep");
}

// The source is the earliest layout (in the program's order) typing the whole
// text, punctuation included; the target the next one, the last wrapping to
// the first. "!": no single layout types the text.
TEST(ConvertToNextLayout, ConvertsFromTheEarliestLayoutTypingTheTextToTheNext) {
  struct Ordered : KeyboardSettings {
    std::string hklOrder() const override { return "04070407 04090409"; }
  } ordered;
  Desk two({kUs, kRu}), three({kUs, kRu, kDe}), deFirst({kUs, kRu, kDe}, &ordered);
  const struct {
    Desk& desk;
    std::u16string text, converted;
  } cases[] = {
      {two, u"ghbdtn, vbh", u"приветб мир"},
      {two, u"привет, мир", u"ghbdtn? vbh"},
      {two, u"hello \u4E2D", u"!"},
      {two, u"hello мир", u"!"},
      {three, u"\u00F6\u00E4", u";'"},  // ö and ä are German only
      {three, u"hallo", u"рфддщ"},        // US and German both type it: US is the source
      {deFirst, u"hallo", u"hallo"},      // German first in the program's order: de -> us
  };
  for (const auto& c : cases) {
    Str16 wide = str16(u"!");
    Str8 narrow;
    EXPECT_EQ(c.desk.state.convertToNextLayout(str16(c.text), wide, narrow), c.converted != u"!");
    EXPECT_EQ(std::u16string(view(wide)), c.converted) << "case " << &c - cases;
  }
}

// What cannot come back: characters a layout gives on two keys in the same
// shift state (the way back finds the later key, layout_map_test), and keys
// that give nothing in a shift state (the character typed there elsewhere
// stays itself and may come back from another key).
struct Exceptions {
  const char* layout;
  std::u16string onTwoKeys;
  std::u16string silentCodes;  // key codes as characters, for brevity
};
const Exceptions kExceptions[] = {
    {"us", u"\\|", u""},
    {"ru", u"\\/", u""},
    {"ua", u"\\/", u""},
    {"de", u"", u""},
    {"fr", u"", std::u16string(1, char16_t(0x129))},  // Shift on the ² key
};

TEST(RoundTrip, EveryOrderedPairOfLayoutsExceptTheNamedKeys) {
  Desk d({});
  ArrT<Hkl> all;
  for (int32_t i = 0; i < simLayoutCount(); ++i) all.append(simLayoutAt(i).hkl);
  d.kb.setInstalled(all.data(), all.size());
  ASSERT_TRUE(d.state.syncLayouts());
  KeyboardState& state = d.state;

  std::mt19937 rng(20240611);
  for (const Exceptions& ea : kExceptions) {
    for (const Exceptions& eb : kExceptions) {
      if (&ea == &eb) continue;
      Hkl a = findSimLayout(ea.layout)->hkl, b = findSimLayout(eb.layout)->hkl;
      const LayoutCharMap& ma = state.buffer(a)->map;
      const LayoutCharMap& mb = state.buffer(b)->map;
      std::u16string alphabet = u" \t";
      for (int32_t i = 0; i < ma.fromWide.size(); ++i) {
        unsigned code = ma.fromWide.valAt(i);
        const unsigned* w = mb.toWide.get(code);
        bool excepted = (w && eb.onTwoKeys.find(char16_t(*w)) != std::u16string::npos) ||
                        eb.silentCodes.find(char16_t(code)) != std::u16string::npos;
        if (!excepted) alphabet += char16_t(ma.fromWide.keyAt(i));
      }
      for (int n = 0; n < 40; ++n) {
        std::u16string text;
        int len = 1 + int(rng() % 24);
        for (int k = 0; k < len; ++k) text += alphabet[rng() % alphabet.size()];
        Str16 there, back;
        Str8 narrow;
        ASSERT_TRUE(state.convertText(str16(text), a, b, there, narrow));
        ASSERT_TRUE(state.convertText(there, b, a, back, narrow));
        ASSERT_EQ(std::u16string(view(back)), text) << ea.layout << " -> " << eb.layout;
      }
    }
  }
}

}  // namespace
}  // namespace orv
