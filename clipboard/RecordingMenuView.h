#pragma once
// A menu view without windows, for tests and orvanta-sim: it hands out
// made-up window handles, keeps the shown menus in the order they appeared,
// the last tooltip and the mouse capture, and reports destroyed windows to
// the session as the Win32 view does (open sub-menus first).

#include <cstdint>

#include "clipboard/MenuSession.h"

namespace orv {

class RecordingMenuView : public MenuView {
 public:
  // Set once the session exists (the session needs the view first).
  void setSession(MenuSession* session) { mySession = session; }

  void createWindow(XMenu& menu) override;
  void destroyWindow(XMenu& menu) override;
  void moveWindow(XMenu& menu) override;
  void repaint(XMenu&) override { ++repaints; }
  void showTooltip(XMenu& menu, const Str16& text, int32_t x, int32_t y) override;
  void setCapture(XMenu& menu, bool handCursor) override;
  void releaseCapture() override;
  bool hasCapture() override { return captured != nullptr; }
  MenuRect workArea() override { return work; }
  void cursorPos(int32_t& x, int32_t& y) override;

  MenuRect work{0, 0, 1280, 1024};
  int32_t cursor[2] = {0, 0};
  ArrT<XMenu*> shown;        // menus with a window, oldest first
  Str16 tooltip;             // empty: hidden
  XMenu* tooltipMenu = nullptr;
  XMenu* captured = nullptr;
  bool handCursor = false;
  int32_t created = 0, destroyed = 0, moves = 0, repaints = 0;

 private:
  MenuSession* mySession = nullptr;
  uintptr_t myNextHandle = 0x10000;
};

}  // namespace orv
