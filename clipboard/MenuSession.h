#pragma once
// The menu thread's model: the show queue (only the newest menu survives),
// the one shown root with its open sub-menus, hover and leave timers, the
// keyboard selection, moving a window by its title, dragging items, and
// choosing an item through a detached copy so that its handler runs after
// the whole menu has gone. The windows themselves are the view's (MenuView):
// the Win32 window on Windows, a recording stand-in in tests and in
// orvanta-sim. Every call except show() runs on the menu thread.

#include <cstdint>

#include "clipboard/XMenu.h"
#include "core/SynchObject.h"

namespace orv {

// What the session asks of the windows.
class MenuView {
 public:
  virtual ~MenuView() = default;
  // Creates and shows the window of a laid-out, placed menu (menu.screenX,
  // screenY, windowWidth, windowHeight) and sets menu.window; never
  // activates it. A root's owner is the message window, a sub-menu's its
  // parent's window.
  virtual void createWindow(XMenu& menu) = 0;
  // Destroys the window; the view calls MenuSession::windowDestroyed for it
  // (and for each window of its open sub-menus) before returning.
  virtual void destroyWindow(XMenu& menu) = 0;
  // To menu.screenX, screenY with the size windowWidth x windowHeight.
  virtual void moveWindow(XMenu& menu) = 0;
  virtual void repaint(XMenu& menu) = 0;
  // The tooltip of a menu window at a screen point; an empty text hides it.
  virtual void showTooltip(XMenu& menu, const Str16& text, int32_t x, int32_t y) = 0;
  virtual void setCapture(XMenu& menu, bool handCursor) = 0;
  virtual void releaseCapture() = 0;
  virtual bool hasCapture() = 0;
  virtual MenuRect workArea() = 0;
  virtual void cursorPos(int32_t& x, int32_t& y) = 0;
};

// The menu thread's clock and keys.
constexpr uint32_t kMenuTimerMs = 111;
constexpr uint32_t kSubOpenRestMs = 501;     // pointer resting on a sub-menu item
constexpr uint32_t kSubOpenMovingMs = 1001;  // pointer moving on it
constexpr uint32_t kSubLeaveMs = 1333;       // a left sub-menu closes
constexpr int32_t kMoveThreshold = 3;        // pixels ignored after a window appears

class MenuSession {
 public:
  MenuSession(MenuView& view, TextMeasure& measure) : myView(view), myMeasure(measure) {}
  ~MenuSession();

  // From any thread. On the menu thread (`onMenuThread`) the queue is
  // dropped and the menu shown at once; elsewhere it is queued and the
  // caller posts message 1134, which runs showQueued. The tree belongs to
  // the session from here on.
  void show(XMenu* root, const MenuRect& anchor, bool remember, bool onMenuThread);
  // 1134: deletes all queued menus but the newest and shows that one.
  void showQueued();
  void rootShow(XMenu* root, const MenuRect& anchor, bool remember);
  // Escape, the close button of a root, a newer menu, or a reset of the
  // typed text: destroys the root's window, which closes the whole menu.
  void close();
  XMenu* shownRoot() const { return myRoot; }
  bool isMenuWindow(uintptr_t window) const;

  // Opens or closes a sub-menu item's sub-menu window.
  void openSub(XMenu& item);
  void closeSub(XMenu& menu);  // the open child of `menu`, if any

  // Mouse messages on a menu window (client coordinates), with the clock.
  void mouseMove(XMenu& menu, int32_t x, int32_t y, uint32_t now);
  void buttonDown(XMenu& menu, int32_t x, int32_t y, uint32_t now);
  void buttonUp(XMenu& menu, int32_t x, int32_t y, uint32_t now);
  // A window's 111 ms timer.
  void tick(XMenu& menu, uint32_t now);
  // A key offered while a menu is shown: Escape (27), Enter (13) and the
  // arrows (37 to 40); true when the menu took it.
  bool offerKey(uint32_t vk, uint32_t now);

  // Choosing: query, detached copy, close, chosen event, delete the copy.
  void choose(XMenu& item);

  // After a handler changed a shown menu (items added, removed, captions or
  // buttons changed): lays it out again, keeps it in the work area, resizes
  // and repaints its window.
  void refresh(XMenu& menu);

  // The view reports a destroyed window (WM_DESTROY).
  void windowDestroyed(XMenu& menu);

  // Item drags and the keyboard selection, for the view's painting.
  XMenu* dragged() const { return myDragged; }
  XMenu* keyboardMenu() const { return myKeyMenu; }
  bool mouseUsed() const { return myMouseUsed; }
  // The hot item of a menu (hovered or keyboard-selected) and the button
  // under the pointer (0 none).
  XMenu* hotItem(const XMenu& menu) const { return menu.hovered; }
  int32_t hotButton() const { return myTipButton; }
  const XMenu* hotButtonItem() const { return myTipItem; }

  // The lock around the queue and the set of windows.
  SynchObject& lock() { return myLock; }

 private:
  void deleteTree(XMenu* root);
  void layoutAndCreate(XMenu& menu, const MenuRect* anchor, bool remember);
  void selectStep(XMenu& menu, int32_t step);
  void dragTo(XMenu& menu, XMenu& over);
  void hideTooltip();
  XMenu* keyTarget();

  struct Queued {
    XMenu* root;
    MenuRect anchor;
    bool remember;
  };

  MenuView& myView;
  TextMeasure& myMeasure;
  SynchObject myLock;
  ArrT<Queued> myQueue;
  ArrT<XMenu*> myWindows;  // menus with a window
  XMenu* myRoot = nullptr;
  XMenu* myKeyMenu = nullptr;
  XMenu* myMoving = nullptr;
  XMenu* myDragged = nullptr;
  int32_t myGrab[2] = {0, 0};
  int32_t myLastPointer[2] = {0, 0};
  int32_t myShownPointer[2] = {0, 0};
  bool myPointerMoved = false;
  bool myHasRemembered = false;
  int32_t myRemembered[2] = {0, 0};
  bool myRememberRoot = false;
  bool myMouseUsed = false;
  const XMenu* myTipItem = nullptr;
  int32_t myTipButton = 0;
  XMenu* myTipMenu = nullptr;  // the window whose tooltip shows
  uint32_t myLastMove = 0;     // when the pointer last moved over a menu
};

}  // namespace orv
