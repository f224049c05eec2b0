#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/History.h"

namespace orv {
namespace {

std::vector<std::u16string> listOf(const ClipboardHistory& h) {
  std::vector<std::u16string> out;
  for (const Str16& e : h.entries()) out.emplace_back(view(e));
  return out;
}

// What a run of clipboard checks leaves: each step offers the text found on
// the clipboard ("\x01" opens the menu, "\x02" closes it, "+x" is a paste of
// "x" from the menu that puts the user's clipboard back afterwards) and
// counts the saves the caller makes for the changes reported.
TEST(ClipboardHistory, CapturesFollowTheLastSeenText) {
  const std::u16string longest(ClipboardHistory::kMaxEntryUnits, u'x');
  const std::u16string tooLong(ClipboardHistory::kMaxEntryUnits + 1, u'y');  // for clipboard.dat
  const struct {
    const char* name;
    int32_t capacity;
    std::vector<std::u16string> clipboard, history;
    int saves;
  } cases[] = {
      {"a b a moves a back to the top", 30, {u"a", u"b", u"a"}, {u"a", u"b"}, 3},
      {"the same text twice is taken once", 30, {u"a", u"a"}, {u"a"}, 1},
      {"an empty text adds nothing but is seen", 30, {u"a", u"", u"b", u""}, {u"b", u"a"}, 2},
      {"seen again after an empty clipboard, already on top", 30, {u"a", u"", u"a"}, {u"a"}, 1},
      {"case matters", 30, {u"Ab", u"ab"}, {u"ab", u"Ab"}, 2},
      {"the oldest falls out", 2, {u"a", u"b", u"c"}, {u"c", u"b"}, 3},
      {"the text seen last stays below a paste from the menu", 30, {u"a", u"+x", u"a"}, {u"x", u"a"}, 2},
      {"copies while the menu is open wait for the next check", 30, {u"a", u"\x01", u"b", u"\x02", u"b"}, {u"b", u"a"}, 2},
      {"a text too long for the file is never stored", 30, {tooLong, u"+" + tooLong}, {}, 0},
      {"the longest text is", 30, {u"+" + longest}, {longest}, 1},
  };
  for (const auto& c : cases) {
    ClipboardHistory h(c.capacity);
    int saves = 0;
    for (const std::u16string& t : c.clipboard) {
      if (t == u"\x01" || t == u"\x02")
        h.setMenuOpen(t == u"\x01");
      else if (t[0] == u'+')
        saves += h.addToHistory(str16(t.substr(1)));
      else
        saves += h.offerCapture(str16(t));
    }
    EXPECT_EQ(listOf(h), c.history) << c.name;
    EXPECT_EQ(saves, c.saves) << c.name;
  }
}

TEST(ClipboardHistory, RemovalClearingAndALoweredCapacityKeepTheNewest) {
  ClipboardHistory h(5);
  for (const char16_t* t : {u"a", u"b", u"c", u"d"}) h.addToHistory(str16(t));
  EXPECT_FALSE(h.removeFromHistory(4));
  EXPECT_FALSE(h.removeFromHistory(-1));
  EXPECT_TRUE(h.removeFromHistory(1));  // "c"
  {
    SynchObject::Guard g(h.lock());
    EXPECT_TRUE(h.addToHistory(h.entriesLocked()[2]));  // the menu pastes an entry of the list itself
  }
  EXPECT_EQ(listOf(h), (std::vector<std::u16string>{u"a", u"d", u"b"}));
  h.setCapacity(2);
  EXPECT_TRUE(h.addToHistory(str16(u"a")));  // already on top, but the list is cut to the new capacity
  EXPECT_EQ(listOf(h), (std::vector<std::u16string>{u"a", u"d"}));
  EXPECT_TRUE(h.clearHistory());
  EXPECT_FALSE(h.clearHistory());
}

TEST(ClipboardHistory, LoadedTextsAreAppendedOnceUpToTheLimit) {
  ClipboardHistory h;
  h.addToHistory(str16(u"b"));
  ArrT<Str16> loaded;
  for (const char16_t* t : {u"a", u"", u"b", u"a", u"c", u"d"}) loaded.append(str16(t));
  h.appendLoaded(loaded, 3);
  EXPECT_EQ(listOf(h), (std::vector<std::u16string>{u"b", u"a", u"c"}));
}

}  // namespace
}  // namespace orv
