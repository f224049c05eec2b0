#include "clipboard/MenuSession.h"

#include "core/Fatal.h"

namespace orv {

namespace {

// Tick counts of 0 mean "none"; a clock that reads 0 still starts a timer.
uint32_t stamp(uint32_t now) { return now ? now : 1; }

int32_t distance(int32_t a, int32_t b) { return a > b ? a - b : b - a; }

}  // namespace

MenuSession::~MenuSession() {
  ArrT<Queued> queued;
  {
    SynchObject::Guard g(myLock);
    queued.swap(myQueue);
  }
  for (Queued& q : queued) deleteTree(q.root);
  close();
}

void MenuSession::deleteTree(XMenu* root) {
  if (!root) return;
  if (!root->isCopy) root->notify(kMenuDeleted, 0, myMouseUsed);
  delete root;
}

void MenuSession::show(XMenu* root, const MenuRect& anchor, bool remember, bool onMenuThread) {
  if (!root) return;
  ArrT<Queued> dropped;
  {
    SynchObject::Guard g(myLock);
    if (!onMenuThread) {
      myQueue.append({root, anchor, remember});
      return;
    }
    dropped.swap(myQueue);
  }
  // The handlers of deleted trees run outside the lock.
  for (Queued& q : dropped) deleteTree(q.root);
  rootShow(root, anchor, remember);
}

void MenuSession::showQueued() {
  ArrT<Queued> queued;
  {
    SynchObject::Guard g(myLock);
    queued.swap(myQueue);
  }
  if (!queued.size()) return;
  for (int32_t i = 0; i + 1 < queued.size(); ++i) deleteTree(queued[i].root);
  Queued newest = queued.last();
  rootShow(newest.root, newest.anchor, newest.remember);
}

void MenuSession::rootShow(XMenu* root, const MenuRect& anchor, bool remember) {
  if (!root) return;
  close();
  FATAL_CHECK("XMenu:rootShow" && !myRoot && !root->parent);
  hideTooltip();
  if (myMoving || myDragged) myView.releaseCapture();
  myKeyMenu = myMoving = myDragged = nullptr;
  myTipItem = nullptr;
  myTipButton = 0;
  myMouseUsed = false;
  myRoot = root;
  myRememberRoot = remember;
  layoutAndCreate(*root, &anchor, remember);
}

void MenuSession::close() {
  if (!myRoot) return;
  if (myRoot->window) {
    myView.destroyWindow(*myRoot);  // deletes the tree
    return;
  }
  XMenu* root = myRoot;
  myRoot = nullptr;
  deleteTree(root);
}

bool MenuSession::isMenuWindow(uintptr_t window) const {
  if (!window) return false;
  SynchObject::Guard g(const_cast<SynchObject&>(myLock));
  for (const XMenu* m : myWindows)
    if (m->window == window) return true;
  return false;
}

void MenuSession::layoutAndCreate(XMenu& menu, const MenuRect* anchor, bool remember) {
  XMenu* parent = menu.parent;
  if (parent && parent->openChild && parent->openChild != &menu) closeSub(*parent);
  menu.hovered = nullptr;
  menu.leaveTime = 0;
  layoutMenu(menu, myMeasure);
  MenuRect work = myView.workArea();
  if (anchor)
    placeRoot(menu, *anchor, work, remember, remember && myHasRemembered ? myRemembered : nullptr);
  else
    placeSub(menu, work);
  myView.createWindow(menu);
  if (!menu.window) {  // the window could not be made: the menu is gone
    if (&menu == myRoot) {
      myRoot = nullptr;
      deleteTree(&menu);
    }
    return;
  }
  {
    SynchObject::Guard g(myLock);
    myWindows.append(&menu);
  }
  if (parent) parent->openChild = &menu;
  myView.cursorPos(myShownPointer[0], myShownPointer[1]);
  myPointerMoved = false;
  if (menu.selectFirst) {
    selectStep(menu, 1);
  } else if (menu.openFirstSub) {
    for (XMenu* c : menu.children) {
      if (c->isMenu()) {
        openSub(*c);
        break;
      }
      if (c->isPlainItem()) break;
    }
  }
}

void MenuSession::openSub(XMenu& item) {
  if (!item.isMenu() || item.window || !item.parent || !item.parent->window) return;
  layoutAndCreate(item, nullptr, false);
}

void MenuSession::closeSub(XMenu& menu) {
  if (menu.openChild && menu.openChild->window) myView.destroyWindow(*menu.openChild);
}

void MenuSession::refresh(XMenu& menu) {
  if (!menu.window) return;
  layoutMenu(menu, myMeasure);
  MenuRect work = myView.workArea();
  if (menu.screenX + menu.windowWidth > work.right) menu.screenX = work.right - menu.windowWidth;
  if (menu.screenY + menu.windowHeight > work.bottom) menu.screenY = work.bottom - menu.windowHeight;
  if (menu.screenX < work.left) menu.screenX = work.left;
  if (menu.screenY < work.top) menu.screenY = work.top;
  // The handler may have deleted the item under the pointer.
  bool tipItemShown = false;
  {
    SynchObject::Guard g(myLock);
    for (XMenu* m : myWindows) tipItemShown = tipItemShown || m->indexOf(myTipItem) >= 0;
  }
  if (myTipItem && !tipItemShown) {
    hideTooltip();
    myTipItem = nullptr;
    myTipButton = 0;
  }
  myView.moveWindow(menu);
  myView.repaint(menu);
}

void MenuSession::hideTooltip() {
  if (myTipMenu) myView.showTooltip(*myTipMenu, Str16(), 0, 0);
  myTipMenu = nullptr;
}

void MenuSession::mouseMove(XMenu& menu, int32_t x, int32_t y, uint32_t now) {
  myMouseUsed = true;
  // The menus on the way up see this one as hovered: no leave timer runs.
  for (XMenu* m = &menu; m->parent; m = m->parent) {
    m->leaveTime = 0;
    if (m->parent->hovered != m && m->parent->window) {
      m->parent->hovered = m;
      myView.repaint(*m->parent);
    }
  }
  int32_t sx = menu.screenX + x, sy = menu.screenY + y;
  myLastPointer[0] = sx;
  myLastPointer[1] = sy;
  if (myMoving == &menu) {
    menu.screenX = sx - myGrab[0];
    menu.screenY = sy - myGrab[1];
    myView.moveWindow(menu);
    if (&menu == myRoot && myRememberRoot) {
      myHasRemembered = true;
      myRemembered[0] = menu.screenX;
      myRemembered[1] = menu.screenY;
    }
    return;
  }
  // A window that appears under the pointer is not hovered by the jitter of a
  // resting hand.
  if (!myPointerMoved) {
    if (distance(sx, myShownPointer[0]) < kMoveThreshold && distance(sy, myShownPointer[1]) < kMoveThreshold)
      return;
    myPointerMoved = true;
  }
  myLastMove = stamp(now);
  MenuHit hit = hitTest(menu, x, y);
  if (myDragged) {
    if (hit.area == MenuArea::Item && hit.item && hit.item->parent == myDragged->parent)
      dragTo(*myDragged->parent, *hit.item);
    return;
  }
  XMenu* item = hit.area == MenuArea::Item && hit.item && hit.item->isSelectable() ? hit.item : nullptr;
  int32_t button = item ? hit.button : 0;
  if (item != myTipItem || button != myTipButton) {
    hideTooltip();
    Str16 text;
    if (item && button) {
      text = button <= item->buttonTips.size() ? item->buttonTips[button - 1] : Str16();
      if (!text.size()) text = str16(u"none");
    } else if (item && !hintInRow(*item)) {
      text = item->hint;
    }
    if (text.size()) {
      myView.showTooltip(menu, text, sx, sy);
      myTipMenu = &menu;
    }
    bool buttonChanged = button != myTipButton || item != myTipItem;
    myTipItem = item;
    myTipButton = button;
    if (buttonChanged && item == menu.hovered) myView.repaint(menu);
  }
  if (item && item != menu.hovered) {
    if (menu.hovered) menu.hovered->hoverStart = 0;
    if (menu.openChild && menu.openChild != item && !menu.openChild->leaveTime)
      menu.openChild->leaveTime = stamp(now);
    if (menu.openChild == item) item->leaveTime = 0;
    menu.hovered = item;
    if (item->isMenu()) item->hoverStart = stamp(now);
    myView.repaint(menu);
  }
}

void MenuSession::buttonDown(XMenu& menu, int32_t x, int32_t y, uint32_t) {
  myMouseUsed = true;
  MenuHit hit = hitTest(menu, x, y);
  if (hit.area == MenuArea::TitleBar) {
    myMoving = &menu;
    myGrab[0] = x;
    myGrab[1] = y;
    // Held so that a quick pull does not lose the window.
    myView.setCapture(menu, false);
    return;
  }
  if (hit.area == MenuArea::Item && hit.item && hit.button == 1 && hit.item->draggable &&
      hit.item->isPlainItem()) {
    myDragged = hit.item;
    hideTooltip();
    myView.setCapture(menu, true);
    myView.repaint(menu);
  }
}

void MenuSession::buttonUp(XMenu& menu, int32_t x, int32_t y, uint32_t) {
  myMouseUsed = true;
  if (myMoving) {
    myMoving = nullptr;
    myView.releaseCapture();
    return;
  }
  if (myDragged) {
    XMenu* in = myDragged->parent;
    myDragged = nullptr;
    myView.releaseCapture();
    myView.repaint(*in);
    in->notify(kMenuDragEnd, 0, myMouseUsed);
    return;
  }
  MenuHit hit = hitTest(menu, x, y);
  if (hit.area == MenuArea::Close) {
    myView.destroyWindow(menu);
    return;
  }
  if (hit.area != MenuArea::Item || !hit.item || !hit.item->isSelectable()) return;
  XMenu* item = hit.item;
  if (hit.button > 0) {
    if (menu.openChild && menu.openChild != item) closeSub(menu);
    item->notify(kMenuButton, hit.button, myMouseUsed);  // may change or close the menu
    return;
  }
  if (item->isMenu()) {
    openSub(*item);
    return;
  }
  choose(*item);
}

void MenuSession::dragTo(XMenu& menu, XMenu& over) {
  int32_t from = menu.indexOf(myDragged), to = menu.indexOf(&over);
  if (from < 0 || to < 0 || from == to) return;
  int32_t lo = from < to ? from : to, hi = from < to ? to : from;
  for (int32_t i = lo; i <= hi; ++i)
    if (!menu.child(i)->isPlainItem()) return;
  XMenu* d = menu.detach(from);
  menu.insert(to, d);
  menu.hovered = d;
  layoutMenu(menu, myMeasure);
  myView.repaint(menu);
}

void MenuSession::tick(XMenu& menu, uint32_t now) {
  if (!menu.window) return;
  if (menu.parent && menu.leaveTime && now - menu.leaveTime >= kSubLeaveMs) {
    myView.destroyWindow(menu);
    return;
  }
  XMenu* h = menu.hovered;
  if (h && h->isMenu() && !h->window && h->hoverStart && !myDragged && !myMoving) {
    bool rested = now - myLastMove >= kSubOpenRestMs;
    if (rested || now - h->hoverStart >= kSubOpenMovingMs) openSub(*h);
  }
  if (&menu == myRoot && !myView.hasCapture()) menu.notify(kMenuTick, 0, myMouseUsed);
}

XMenu* MenuSession::keyTarget() {
  if (myKeyMenu && myKeyMenu->window) return myKeyMenu;
  // No menu has the selection yet: the innermost open one takes it.
  XMenu* m = myRoot;
  while (m && m->openChild && m->openChild->window) m = m->openChild;
  return m && m->window ? m : nullptr;
}

void MenuSession::selectStep(XMenu& menu, int32_t step) {
  int32_t n = menu.count();
  int32_t i = menu.indexOf(menu.hovered);
  if (i < 0) i = step > 0 ? -1 : n;
  for (int32_t k = 0; k < n; ++k) {
    i = (i + step + n) % n;
    XMenu* c = menu.child(i);
    if (!c->isSelectable()) continue;
    if (menu.openChild && menu.openChild != c) closeSub(menu);
    menu.hovered = c;
    c->hoverStart = 0;
    myKeyMenu = &menu;
    myView.repaint(menu);
    return;
  }
}

bool MenuSession::offerKey(uint32_t vk, uint32_t) {
  if (!myRoot) return false;
  if (vk == 27) {
    close();
    return true;
  }
  if (vk != 13 && (vk < 37 || vk > 40)) return false;
  XMenu* m = keyTarget();
  if (!m) return true;
  if (vk != 13) myMouseUsed = false;
  XMenu* sel = m->hovered;
  if (sel) sel->hoverStart = 0;
  auto enterSub = [&]() {
    openSub(*sel);
    if (!sel->window) return;
    sel->hovered = nullptr;
    selectStep(*sel, 1);
    myKeyMenu = sel;
  };
  switch (vk) {
    case 40:
      selectStep(*m, 1);
      break;
    case 38:
      selectStep(*m, -1);
      break;
    case 39:
      if (sel && sel->isMenu()) enterSub();
      break;
    case 37:
      if (m->parent && m->parent->window) {
        XMenu* p = m->parent;
        myView.destroyWindow(*m);
        p->hovered = m;
        myKeyMenu = p;
        myView.repaint(*p);
      }
      break;
    case 13:
      if (sel && sel->isMenu())
        enterSub();
      else if (sel)
        choose(*sel);
      break;
  }
  return true;
}

void MenuSession::choose(XMenu& item) {
  if (item.kind != MenuKind::Item) return;
  if (item.notify(kMenuQuery, 0, myMouseUsed)) return;
  uint8_t used = myMouseUsed;
  XMenu* copy = item.detachedCopy();
  if (item.root() == myRoot) close();  // deletes `item` with its tree
  copy->notify(kMenuChosen, 0, used);
  delete copy;
}

void MenuSession::windowDestroyed(XMenu& menu) {
  // The view destroys open sub-menus first; should one still be there, it
  // goes now, before its parent can be deleted.
  if (menu.openChild && menu.openChild->window) myView.destroyWindow(*menu.openChild);
  menu.openChild = nullptr;
  XMenu* parent = menu.parent;
  if (parent && parent->openChild == &menu) parent->openChild = nullptr;
  menu.leaveTime = 0;
  menu.hoverStart = 0;
  menu.hovered = nullptr;
  if (myTipMenu == &menu) myTipMenu = nullptr;
  if (myTipItem && menu.indexOf(myTipItem) >= 0) {
    myTipItem = nullptr;
    myTipButton = 0;
  }
  if (myMoving == &menu) myMoving = nullptr;
  if (myDragged && myDragged->parent == &menu) {
    myDragged = nullptr;
    myView.releaseCapture();
  }
  if (myKeyMenu == &menu) {
    myKeyMenu = parent && parent->window ? parent : nullptr;
    if (myKeyMenu) myView.repaint(*myKeyMenu);
  }
  {
    SynchObject::Guard g(myLock);
    for (int32_t i = myWindows.size() - 1; i >= 0; --i)
      if (myWindows[i] == &menu) myWindows.remove(i);
    menu.window = 0;
  }
  menu.notify(kMenuWindowGone, 0, myMouseUsed);
  if (&menu == myRoot) {
    myRoot = nullptr;
    myKeyMenu = nullptr;
    deleteTree(&menu);
  }
}

}  // namespace orv
