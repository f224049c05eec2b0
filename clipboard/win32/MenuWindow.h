#pragma once
// The popup menu's windows on Windows: the MenuView of the menu session.
// Every menu window is a topmost, never-activated popup of the class
// "Orvanta:menu" on the menu thread; its property "XMenu:this" points at the
// menu it shows. Mouse messages and the 111 ms timer go to the session;
// painting reads the laid-out tree (XMenu.h) and draws it off-screen.

#include <windows.h>
#include <commctrl.h>

#include <atomic>

#include "clipboard/MenuSession.h"
#include "clipboard/win32/GdiMeasure.h"

namespace orv::win {

// Registers the window class once at start-up (arrow cursor, default icon).
bool registerMenuWindowClass(HINSTANCE instance);

constexpr UINT_PTR kMenuWindowTimerId = 1199;

class MenuWindows final : public MenuView {
 public:
  // `owner`: the menu thread's message window, the owner of every root.
  MenuWindows(HINSTANCE instance, HWND owner, GdiMeasure& measure);
  ~MenuWindows() override;
  void attach(MenuSession& session) { mySession = &session; }

  void createWindow(XMenu& menu) override;
  void destroyWindow(XMenu& menu) override;
  void moveWindow(XMenu& menu) override;
  void repaint(XMenu& menu) override;
  void showTooltip(XMenu& menu, const Str16& text, int32_t x, int32_t y) override;
  void setCapture(XMenu& menu, bool handCursor) override;
  void releaseCapture() override;
  bool hasCapture() override;
  MenuRect workArea() override;
  void cursorPos(int32_t& x, int32_t& y) override;

  // The shown root's window (null when no menu is shown); any thread.
  HWND rootWindow() const { return myRoot; }

  // The window procedure's work for one menu window.
  LRESULT handle(HWND w, XMenu& menu, UINT m, WPARAM wp, LPARAM lp);

 private:
  void paint(HWND w, XMenu& menu);
  void paintItem(HDC dc, const XMenu& menu, const XMenu& item);
  // Draws image `index` of the list whose images fit `r` best, centred in it.
  void drawImage(HDC dc, HIMAGELIST small, HIMAGELIST large, int32_t index, const MenuRect& r);

  HINSTANCE myInstance;
  HWND myOwner;
  GdiMeasure& myMeasure;
  MenuSession* mySession = nullptr;
  // The item buttons' three lists (history, notes, templates) and the
  // close button, at 100 % and at 150 %.
  HIMAGELIST myButtons16[3] = {}, myButtons24[3] = {};
  HIMAGELIST myClose12 = nullptr, myClose18 = nullptr;
  HWND myCloseHot = nullptr;  // the window whose close button the pointer is over
  HWND myCapture = nullptr;
  std::atomic<HWND> myRoot{nullptr};
};

// The view of the menu thread, for the window procedure (one per process).
MenuWindows* menuWindows();

}  // namespace orv::win
