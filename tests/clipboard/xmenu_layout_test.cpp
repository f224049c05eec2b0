#include <gtest/gtest.h>

#include <string>

#include "clipboard/XMenu.h"

namespace orv {
namespace {

// Tahoma 12 through the fixed measure: 9 px a character (bold 10), 18 px a line.
MenuStyle style() { return makeMenuStyle(str16(u"Tahoma"), 4, 255); }

XMenu* item(XMenu& menu, MenuKind kind, std::u16string_view caption, int32_t buttons = 0,
            int32_t column = 0) {
  XMenu* c = menu.add(new XMenu(kind, str16(caption)));
  c->style = menu.style;
  c->columnWidth = column;
  for (int32_t b = 0; b < buttons; ++b) c->addButton(2 * b, str16(u"tip"));
  return c;
}

MenuRect rect(int32_t l, int32_t t, int32_t r, int32_t b) { return {l, t, r, b}; }

struct MenuLayout : ::testing::Test {
  MenuLayout() { menu.style = style(); }
  FixedMeasure fm;
  XMenu menu{MenuKind::Sub};
};

TEST_F(MenuLayout, RootPlacementStaysInsideTheWorkArea) {
  const MenuRect work = rect(10, 20, 800, 600);
  const int32_t remembered[2] = {300, 200};
  const int32_t offScreen[2] = {1000, 900};  // remembered on a larger screen
  struct Case {
    const char* what;
    int32_t size;
    MenuRect anchor;
    bool remember;
    const int32_t* rememberedXY;
    int32_t x, y;
  } cases[] = {
      {"below the anchor", 200, rect(100, 100, 110, 120), false, nullptr, 100, 124},
      {"near the bottom-right corner: above the anchor, shifted left", 200, rect(750, 550, 760, 570), false,
       nullptr, 600, 346},
      {"crossing the bottom with the flag: on the bottom edge", 200, rect(100, 550, 110, 570), true, nullptr, 100,
       400},
      {"no room above: at the top", 200, rect(100, 50, 110, 570), false, nullptr, 100, 20},
      {"larger than the work area: at its top left", 900, rect(400, 300, 410, 320), false, nullptr, 10, 20},
      {"remembered position", 200, rect(100, 100, 110, 120), true, remembered, 300, 200},
      {"remembered position ignored without the flag", 200, rect(100, 100, 110, 120), false, remembered, 100, 124},
      {"remembered position kept inside the work area", 200, rect(100, 100, 110, 120), true, offScreen, 600, 400},
  };
  for (const Case& c : cases) {
    XMenu m(MenuKind::Sub);
    m.windowWidth = m.windowHeight = c.size;
    placeRoot(m, c.anchor, work, c.remember, c.rememberedXY);
    EXPECT_EQ(m.screenX, c.x) << c.what;
    EXPECT_EQ(m.screenY, c.y) << c.what;
  }
}

TEST_F(MenuLayout, SubMenuOpensBesideItsItemAndFlipsAtTheEdges) {
  struct Case {
    const char* what;
    int32_t parentX, parentY, x, y;
  } cases[] = {
      {"right of the parent at its item", 100, 100, 296, 150},
      {"crossing the bottom: moved up", 100, 500, 296, 480},
      {"crossing the right: left of the parent", 600, 100, 354, 150},
      {"both", 650, 500, 404, 480},
  };
  for (const Case& c : cases) {
    XMenu parent(MenuKind::Sub);
    parent.screenX = c.parentX;
    parent.screenY = c.parentY;
    parent.windowWidth = 200;
    XMenu* sub = parent.add(new XMenu(MenuKind::Sub));
    sub->itemTop = 50;
    sub->itemHeight = 20;
    sub->windowWidth = 250;
    sub->windowHeight = 90;
    placeSub(*sub, rect(0, 0, 800, 600));
    EXPECT_EQ(sub->screenX, c.x) << c.what;
    EXPECT_EQ(sub->screenY, c.y) << c.what;
  }
}

TEST_F(MenuLayout, CaptionsAreCutWithDotsToTheirWidth) {
  struct Case {
    std::u16string_view caption;
    uint32_t attr;
    int32_t width;
    std::u16string_view drawn;
    int32_t keep;
  } cases[] = {
      {u"abcdef", 0, 54, u"abcdef", 6},  // exactly fits
      {u"abcdef", 0, 53, u"ab...", 2},
      {u"abcdef", kCharBold, 54, u"ab...", 2},  // bold characters are wider
      {u"abcdef", 0, 20, u"...", 0},
      {u"", 0, 0, u"", 0},
  };
  for (const Case& c : cases) {
    XMenu* it = item(menu, MenuKind::Item, u"");
    it->setCaption(str16(c.caption), c.attr);
    int32_t keep = -1;
    EXPECT_EQ(view(fitCaption(*it, fm, c.width, keep)), c.drawn) << utf16ToUtf8(c.caption) << " " << c.width;
    EXPECT_EQ(keep, c.keep);
  }
  // Without a column, a caption is cut at the widest a caption may be.
  XMenu* longOne = item(menu, MenuKind::Item, std::u16string(200, u'x'));
  layoutMenu(menu, fm);
  EXPECT_LE(longOne->captionWidth, kNoColumnWidth);
  EXPECT_GT(longOne->captionWidth, kNoColumnWidth - 20);
}

TEST_F(MenuLayout, EntryButtonsLineUpAndTheMenuHoldsItsTitle) {
  menu.title = str16(u"A rather long title of the menu, longer than every item");
  XMenu* a = item(menu, MenuKind::Item, u"short", 3, kEntryColumnWidth);
  XMenu* b = item(menu, MenuKind::Item, std::u16string(40, u'w'), 3, kEntryColumnWidth);
  XMenu* c = item(menu, MenuKind::Item, u"wider column", 1, 300);
  item(menu, MenuKind::Separator, u"");
  XMenu* plain = item(menu, MenuKind::Item, u"Command");
  XMenu* sub = item(menu, MenuKind::Sub, u"Command");
  layoutMenu(menu, fm);

  for (XMenu* e : {a, b, c}) EXPECT_EQ(buttonRect(menu, *e, 1).left, buttonRect(menu, *a, 1).left);
  EXPECT_GE(buttonRect(menu, *a, 1).left, captionRect(menu, *a).left + 300);
  EXPECT_EQ(sub->itemHeight, plain->itemHeight);
  EXPECT_EQ(arrowRect(menu, *sub).right - arrowRect(menu, *sub).left, sub->itemHeight);
  EXPECT_EQ(arrowRect(menu, *plain).right, arrowRect(menu, *plain).left);

  EXPECT_GE(menu.width, menu.titleWidth);
  EXPECT_GT(menu.titleWidth, 55 * 10);  // the bold title text alone
  EXPECT_GE(titleTextRect(menu).right - titleTextRect(menu).left, 55 * 10);
  // Rows, the last one included, follow each other without gaps or overlaps.
  EXPECT_EQ(menu.child(menu.count() - 1)->itemTop + sub->itemHeight, menu.height + menu.child(0)->itemTop);
  for (int32_t i = 1; i < menu.count(); ++i)
    EXPECT_EQ(menu.child(i)->itemTop, menu.child(i - 1)->itemTop + menu.child(i - 1)->itemHeight);
  // Laying out again changes nothing.
  int32_t w = menu.width, col = a->columnWidth;
  layoutMenu(menu, fm);
  EXPECT_EQ(menu.width, w);
  EXPECT_EQ(a->columnWidth, col);
}

// Entries show their hint as a tooltip instead (the session's tests).
TEST_F(MenuLayout, ACommandsHintGetsRoomInItsRowAfterTheCaption) {
  XMenu* cmd = item(menu, MenuKind::Item, u"Toggle");
  cmd->hint = str16(u"Ctrl+Shift+T");
  layoutMenu(menu, fm);
  MenuRect h = hintRect(menu, *cmd);
  EXPECT_GE(h.right - h.left, 12 * 9);
  EXPECT_LE(h.right, itemRect(menu, *cmd).right);
  EXPECT_GE(h.left, captionRect(menu, *cmd).right);
}

TEST_F(MenuLayout, HitTestingFindsTitleCloseBodyAndButtons) {
  menu.title = str16(u"Clipboard");
  XMenu* entry = item(menu, MenuKind::Item, u"entry", 3, kEntryColumnWidth);
  XMenu* sep = item(menu, MenuKind::Separator, u"");
  layoutMenu(menu, fm);
  MenuRect close = closeButtonRect(menu);
  EXPECT_GE(close.left, 0);
  EXPECT_LE(close.bottom, menuTopBand(menu));
  struct Case {
    const char* what;
    MenuRect target;
    MenuArea area;
    const XMenu* item;
    int32_t button;
  } cases[] = {
      {"close button", close, MenuArea::Close, nullptr, 0},
      {"title bar", rect(menu.windowWidth - 20, 2, menu.windowWidth - 10, 4), MenuArea::TitleBar, nullptr, 0},
      {"body", captionRect(menu, *entry), MenuArea::Item, entry, 0},
      {"button 1", buttonRect(menu, *entry, 1), MenuArea::Item, entry, 1},
      {"button 2", buttonRect(menu, *entry, 2), MenuArea::Item, entry, 2},
      {"button 3", buttonRect(menu, *entry, 3), MenuArea::Item, entry, 3},
      {"separator", itemRect(menu, *sep), MenuArea::Item, sep, 0},
      {"bottom frame", rect(10, menu.windowHeight - 2, 12, menu.windowHeight - 1), MenuArea::None, nullptr, 0},
      {"outside", rect(-5, 5, -3, 7), MenuArea::None, nullptr, 0},
  };
  for (const Case& c : cases) {
    const MenuRect& r = c.target;
    MenuHit hit = hitTest(menu, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_EQ(hit.area, c.area) << c.what;
    EXPECT_EQ(hit.item, c.item) << c.what;
    EXPECT_EQ(hit.button, c.button) << c.what;
  }
  // Between two buttons is the body.
  MenuHit gap = hitTest(menu, buttonRect(menu, *entry, 2).left - 1, (entry->itemTop * 2 + entry->itemHeight) / 2);
  EXPECT_EQ(gap.button, 0);
}

TEST_F(MenuLayout, WindowsAreLayeredBelowTransparency250) {
  for (auto [transparency, layered] : {std::pair{249, true}, {250, false}, {100, true}, {255, false}})
    EXPECT_EQ(menuIsLayered(makeMenuStyle(Str16(), 4, transparency)), layered) << transparency;
}

// On a 150 % screen the buttons and the close button take the larger images:
// their rectangles grow, the rows make room, and the buttons never overlap.
TEST_F(MenuLayout, ScaledScreensGetLargerButtons) {
  for (int32_t dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    XMenu menu(MenuKind::Sub);
    menu.style = style();
    scaleMenuImages(menu.style, dpi);
    XMenu* e = item(menu, MenuKind::Item, u"entry", 3, kEntryColumnWidth);
    layoutMenu(menu, fm);
    const int32_t size = dpi * 16 / 96;
    const MenuRect b1 = buttonRect(menu, *e, 1), b3 = buttonRect(menu, *e, 3);
    EXPECT_EQ(b1.right - b1.left, size);
    EXPECT_GT(buttonRect(menu, *e, 2).left, b1.right);
    EXPECT_GT(b3.left, buttonRect(menu, *e, 2).right);
    EXPECT_GE(e->itemHeight, size);
    EXPECT_LE(b3.right, itemRect(menu, *e).right);
    const MenuRect c = closeButtonRect(menu);
    EXPECT_EQ(c.right - c.left, dpi * 12 / 96);
  }
}

}  // namespace
}  // namespace orv
