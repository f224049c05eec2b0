#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "clipboard/MenuSession.h"
#include "clipboard/RecordingMenuView.h"

namespace orv {
namespace {

// Writes every event but the ticks as "kind:caption" (a copy's caption in
// brackets, a button's number after a slash) with the number of windows
// still shown; the ticks are counted. With a session to refresh, button 3
// deletes its item, as the clipboard menu does.
struct EventLog : MenuHandler {
  RecordingMenuView* view = nullptr;
  MenuSession* deleting = nullptr;
  std::vector<std::string> events;
  uint32_t queryResult = 0;
  int ticks = 0;
  void onMenuEvent(MenuEvent& e) override {
    std::string name = utf16ToUtf8(e.item->caption);
    std::string s = std::to_string(e.kind) + ":" + (e.item->isCopy ? "[" + name + "]" : name);
    if (e.kind == kMenuButton) s += "/" + std::to_string(e.param);
    if (e.kind == kMenuChosen) s += " windows=" + std::to_string(view->shown.size());
    if (e.kind == kMenuTick) ++ticks;
    else events.push_back(s);
    if (e.kind == kMenuQuery) e.result = queryResult;
    if (deleting && e.kind == kMenuButton && e.param == 3) {
      XMenu* menu = e.item->parent;
      menu->erase(e.item);
      deleting->refresh(*menu);
    }
  }
};

// One line per child: "-" a separator, "#x" a header, ">x" a sub-menu with
// the items x1 and x2, "*x" a draggable entry with the buttons "Drag",
// "Edit" and one without a tooltip, anything else a plain item.
XMenu* makeMenu(std::u16string_view title, const std::vector<std::u16string>& items, MenuHandler* h) {
  MenuStyle st = makeMenuStyle(str16(u"Tahoma"), 4, 255);
  auto node = [&](MenuKind k, std::u16string_view caption) {
    XMenu* n = new XMenu(k, str16(caption));
    n->style = st;
    n->handler = h;
    return n;
  };
  XMenu* root = node(MenuKind::Sub, title);
  root->title = str16(title);
  for (const std::u16string& s : items) {
    std::u16string_view rest = std::u16string_view(s).substr(1);
    if (s == u"-") {
      root->add(node(MenuKind::Separator, u""));
    } else if (s[0] == u'#') {
      root->add(node(MenuKind::Header, rest));
    } else if (s[0] == u'>') {
      XMenu* sub = root->add(node(MenuKind::Sub, rest));
      sub->add(node(MenuKind::Item, std::u16string(rest) + u"1"));
      sub->add(node(MenuKind::Item, std::u16string(rest) + u"2"));
    } else if (s[0] == u'*') {
      XMenu* e = root->add(node(MenuKind::Item, rest));
      e->columnWidth = kEntryColumnWidth;
      e->draggable = true;
      e->hint = str16(u"preview of " + std::u16string(rest));
      e->addButton(8, str16(u"Drag"));
      e->addButton(0, str16(u"Edit"));
      e->addButton(4, Str16());
    } else {
      XMenu* c = root->add(node(MenuKind::Item, s));
      c->hint = str16(u"Ctrl+Q");
    }
  }
  return root;
}

XMenu* find(XMenu* menu, std::u16string_view caption) {
  if (view(menu->caption) == caption && menu->parent) return menu;
  for (XMenu* c : menu->children)
    if (XMenu* f = find(c, caption)) return f;
  return nullptr;
}

std::string captions(const XMenu& menu) {
  std::string s;
  for (const XMenu* c : menu.children) s += (c->kind == MenuKind::Separator ? "-" : utf16ToUtf8(c->caption)) + " ";
  return s;
}

struct MenuSessionTest : ::testing::Test {
  EventLog log;
  FixedMeasure measure;
  RecordingMenuView view;
  MenuSession session{view, measure};
  XMenu* root = nullptr;

  MenuSessionTest() {
    view.setSession(&session);
    log.view = &view;
  }
  void show(const std::vector<std::u16string>& items) {
    root = makeMenu(u"Menu", items, &log);
    session.show(root, {100, 100, 100, 100}, false, true);
  }
  XMenu* item(std::u16string_view caption) { return find(root, caption); }
  // The pointer over an item's body (button 0) or button, in its menu.
  void move(XMenu* it, uint32_t now, int32_t button = 0) {
    auto [x, y] = at(it, button);
    session.mouseMove(*it->parent, x, y, now);
  }
  void click(XMenu* it, int32_t button = 0) {
    auto [x, y] = at(it, button);
    session.buttonDown(*it->parent, x, y, 0);
    session.buttonUp(*it->parent, x, y, 0);
  }
  static std::pair<int32_t, int32_t> at(const XMenu* it, int32_t button = 0) {
    MenuRect r = button ? buttonRect(*it->parent, *it, button) : captionRect(*it->parent, *it);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::string hot(const XMenu& menu) {
    return session.hotItem(menu) ? utf16ToUtf8(session.hotItem(menu)->caption) : "-";
  }
};

TEST_F(MenuSessionTest, OnlyTheNewestOfQuicklyQueuedMenusIsShown) {
  std::thread other([&] {
    session.show(makeMenu(u"first", {u"a"}, &log), {0, 0, 0, 0}, false, false);
    session.show(makeMenu(u"second", {u"b"}, &log), {0, 0, 0, 0}, false, false);
  });
  other.join();
  EXPECT_EQ(view.created, 0);
  session.showQueued();
  ASSERT_EQ(view.shown.size(), 1);
  EXPECT_EQ(orv::view(view.shown[0]->title), u"second");
  EXPECT_EQ(log.events, std::vector<std::string>{"2:first"});
  EXPECT_TRUE(session.isMenuWindow(view.shown[0]->window));

  // A menu shown on the menu thread drops the queue and replaces the shown one.
  session.show(makeMenu(u"queued", {u"c"}, &log), {0, 0, 0, 0}, false, false);
  session.show(makeMenu(u"third", {u"d"}, &log), {0, 0, 0, 0}, false, true);
  session.showQueued();
  ASSERT_EQ(view.shown.size(), 1);
  EXPECT_EQ(orv::view(session.shownRoot()->title), u"third");
  EXPECT_EQ(log.events, (std::vector<std::string>{"2:first", "2:queued", "6:second", "2:second"}));
}

TEST_F(MenuSessionTest, ChoosingRunsTheHandlerOnACopyAfterTheMenuIsGoneAndEscapeClosesWithoutChoosing) {
  show({u"a", u">s"});
  uintptr_t window = root->window;
  click(item(u"s"));
  click(item(u"s2"));
  EXPECT_EQ(log.events, (std::vector<std::string>{"1:s2", "6:s", "6:Menu", "2:Menu", "0:[s2] windows=0"}));
  EXPECT_EQ(session.shownRoot(), nullptr);
  EXPECT_FALSE(session.isMenuWindow(window));

  log.events.clear();
  log.queryResult = 1;  // the handler forbids it: nothing closes
  show({u"a", u">s"});
  click(item(u"s"));
  click(item(u"s1"));
  EXPECT_EQ(view.shown.size(), 2);
  EXPECT_TRUE(session.offerKey(27, 0));
  EXPECT_EQ(view.shown.size(), 0);
  EXPECT_EQ(log.events, (std::vector<std::string>{"1:s1", "6:s", "6:Menu", "2:Menu"}));
  EXPECT_FALSE(session.offerKey(40, 0));  // no menu: keys go on
}

// Sub-menus open on their own when the pointer rests on their item or keeps
// moving over it long enough; one the pointer left (here after a click
// opened it) closes after 1333 ms unless the pointer comes back.
TEST_F(MenuSessionTest, ASubMenuOpensAfterTheRestingOrMovingTimeAndALeftOneClosesAfter1333Ms) {
  struct Case {
    const char* what;
    bool clicked;
    std::vector<std::pair<std::u16string_view, uint32_t>> moves;  // onto an item, at a time
    uint32_t tickAt;
    bool open;
  } cases[] = {
      {"rested 500 ms", false, {{u"s", 1000}}, 1500, false},
      {"rested 501 ms", false, {{u"s", 1000}}, 1501, true},
      {"moving for 1000 ms", false, {{u"s", 1000}, {u"s", 1300}, {u"s", 1600}, {u"s", 1900}}, 2000, false},
      {"moving for 1001 ms", false, {{u"s", 1000}, {u"s", 1300}, {u"s", 1600}, {u"s", 1900}}, 2001, true},
      {"rested 501 ms after moving", false, {{u"s", 1000}, {u"s", 1300}}, 1801, true},
      {"left 1332 ms ago", true, {{u"b", 1000}}, 2332, true},
      {"left 1333 ms ago", true, {{u"b", 1000}}, 2333, false},
      {"back in the sub-menu", true, {{u"b", 1000}, {u"s1", 1500}}, 9000, true},
      {"back on its item", true, {{u"b", 1000}, {u"s", 1500}}, 9000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    show({u"a", u">s", u"b"});
    XMenu* s = item(u"s");
    if (c.clicked) click(s);
    for (auto [caption, t] : c.moves) move(item(caption), t);
    session.tick(*root, c.tickAt);
    if (s->window) session.tick(*s, c.tickAt);
    EXPECT_EQ(s->window != 0, c.open);
  }
}

TEST_F(MenuSessionTest, DraggingReordersARunOfEntriesButNeverCrossesASeparatorOrSubMenu) {
  struct Case {
    std::u16string dragged, target;
    const char* order;
  } cases[] = {
      {u"n1", u"n3", "n2 n3 n1 s n4 - n5 "},
      {u"n1", u"n2", "n2 n1 n3 s n4 - n5 "},
      {u"n3", u"n1", "n3 n1 n2 s n4 - n5 "},
      {u"n3", u"n4", "n1 n2 n3 s n4 - n5 "},  // across the sub-menu
      {u"n4", u"n5", "n1 n2 n3 s n4 - n5 "},  // across the separator
  };
  for (const Case& c : cases) {
    show({u"*n1", u"*n2", u"*n3", u">s", u"*n4", u"-", u"*n5"});
    log.events.clear();
    XMenu* dragged = item(c.dragged);
    auto [x, y] = at(dragged, 1);
    session.buttonDown(*root, x, y, 0);
    EXPECT_TRUE(view.handCursor);
    move(item(c.target), 100);
    EXPECT_EQ(captions(*root), c.order) << utf16ToUtf8(c.dragged) << " to " << utf16ToUtf8(c.target);
    session.buttonUp(*root, x, y, 0);
    EXPECT_EQ(log.events, std::vector<std::string>{"5:Menu"});
    EXPECT_FALSE(view.hasCapture());
  }
}

TEST_F(MenuSessionTest, KeyboardSelectionSkipsSeparatorsAndHeaders) {
  show({u"a", u"-", u"#h", u"b", u">s", u"c"});
  move(item(u"c"), 10);
  EXPECT_TRUE(session.mouseUsed());
  struct Step {
    uint32_t vk;
    const char* rootHot;
    const char* subHot;  // "-": the sub-menu is closed
  } steps[] = {
      {40, "a", "-"},  {40, "b", "-"}, {40, "s", "-"},  {40, "c", "-"},  {38, "s", "-"},
      {39, "s", "s1"}, {40, "s", "s2"}, {37, "s", "-"}, {13, "s", "s1"}, {37, "s", "-"},
      {38, "b", "-"},  {38, "a", "-"}, {38, "c", "-"},  {40, "a", "-"},  {40, "b", "-"},
  };
  for (const Step& st : steps) {
    EXPECT_TRUE(session.offerKey(st.vk, 0));
    XMenu* s = item(u"s");
    EXPECT_EQ(hot(*root), st.rootHot) << st.vk;
    EXPECT_EQ(s->window ? hot(*s) : "-", st.subHot) << st.vk;
  }
  EXPECT_FALSE(session.mouseUsed());
  EXPECT_FALSE(session.offerKey('A', 0));
  EXPECT_TRUE(session.offerKey(13, 0));
  EXPECT_EQ(log.events.back(), "0:[b] windows=0");
}

TEST_F(MenuSessionTest, TooltipsFollowTheItemAndTheButtonUnderThePointer) {
  show({u"*e", u"cmd", u"-"});
  struct Case {
    const char* item;
    int32_t button;
    std::u16string tooltip;
  } cases[] = {
      {"e", 0, u"preview of e"}, {"e", 1, u"Drag"}, {"e", 3, u"none"},
      {"cmd", 0, u""},  // its hint is drawn in the row
      {"e", 2, u"Edit"},
  };
  for (const Case& c : cases) {
    move(item(orv::view(utf8ToUtf16(c.item))), 10, c.button);
    EXPECT_EQ(orv::view(view.tooltip), c.tooltip) << c.item << " " << c.button;
    EXPECT_EQ(session.hotButton(), c.button);
  }
  move(item(u""), 10);  // a separator is never hovered
  EXPECT_EQ(hot(*root), "e");
}

TEST_F(MenuSessionTest, ButtonsCloseButtonsAndTheTitleBar) {
  show({u"*e", u">s"});
  click(item(u"e"), 2);
  EXPECT_EQ(log.events.back(), "3:e/2");

  click(item(u"s"));
  XMenu* s = item(u"s");
  MenuRect close = closeButtonRect(*s);
  session.buttonUp(*s, close.left + 6, close.top + 6, 0);
  EXPECT_EQ(s->window, 0u);  // only the sub-menu closed
  EXPECT_EQ(view.shown.size(), 1);

  // Moving by the title bar; a root with the flag reopens where it was left.
  root = makeMenu(u"Remembered", {u"a"}, &log);
  session.show(root, {100, 100, 100, 100}, true, true);
  MenuRect title = titleRect(*root);
  int32_t gx = title.right - 10, gy = title.top + 5;
  session.buttonDown(*root, gx, gy, 0);
  EXPECT_TRUE(view.hasCapture());
  session.mouseMove(*root, gx + 50, gy + 30, 0);
  session.buttonUp(*root, gx + 50, gy + 30, 0);
  EXPECT_EQ(root->screenX, 150);
  EXPECT_EQ(root->screenY, 134);
  session.show(makeMenu(u"Again", {u"b"}, &log), {500, 500, 500, 500}, true, true);
  EXPECT_EQ(session.shownRoot()->screenX, 150);
  EXPECT_EQ(session.shownRoot()->screenY, 134);
}

TEST_F(MenuSessionTest, RootTicksWhileNothingHoldsTheMouse) {
  show({u"a", u">s"});
  session.tick(*root, 100);
  click(item(u"s"));
  session.tick(*item(u"s"), 200);  // a sub-menu does not
  view.captured = root;
  session.tick(*root, 300);
  EXPECT_EQ(log.ticks, 1);
  view.captured = nullptr;
  session.close();
}

TEST_F(MenuSessionTest, SmallMovesAfterAWindowAppearsAreIgnored) {
  show({u"a", u"b"});
  auto [x, y] = at(item(u"b"));
  view.cursor[0] = root->screenX + x;
  view.cursor[1] = root->screenY + y;
  // The pointer rests where the menu appeared: reopen to take the position.
  show({u"a", u"b"});
  session.mouseMove(*root, x + 2, y - 2, 10);
  EXPECT_EQ(hot(*root), "-");
  session.mouseMove(*root, x + 3, y, 20);
  EXPECT_EQ(hot(*root), "b");
}

TEST_F(MenuSessionTest, ShowingSelectsTheFirstItemOrOpensTheFirstSubMenu) {
  struct Case {
    std::vector<std::u16string> items;
    bool selectFirst;
    const char* hot;
    const char* openSub;
  } cases[] = {
      {{u"#h", u"-", u"a", u">s"}, true, "a", "-"},
      {{u"#h", u"-", u">s", u"a"}, false, "-", "s"},
      {{u"a", u">s"}, false, "-", "-"},  // a plain item comes first
  };
  for (const Case& c : cases) {
    root = makeMenu(u"Menu", c.items, &log);
    root->selectFirst = c.selectFirst;
    root->openFirstSub = !c.selectFirst;
    session.show(root, {0, 0, 0, 0}, false, true);
    EXPECT_EQ(hot(*root), c.hot);
    EXPECT_EQ(root->openChild ? utf16ToUtf8(root->openChild->caption) : "-", c.openSub);
  }
}

TEST_F(MenuSessionTest, AMenuChangedByItsHandlerIsLaidOutAgain) {
  log.deleting = &session;
  show({u"*e1", u"*e2", u"*e3"});
  int32_t height = root->windowHeight, moves = view.moves;
  XMenu* e2 = item(u"e2");
  int32_t step = e2->itemHeight;
  move(e2, 10, 3);  // its tooltip shows
  click(e2, 3);
  EXPECT_EQ(captions(*root), "e1 e3 ");
  EXPECT_EQ(root->windowHeight, height - step);
  EXPECT_EQ(item(u"e3")->itemTop, item(u"e1")->itemTop + step);
  EXPECT_GT(view.moves, moves);
  EXPECT_EQ(view.tooltip.size(), 0);
  EXPECT_EQ(session.hotButtonItem(), nullptr);
}

}  // namespace
}  // namespace orv
