#include "clipboard/RecordingMenuView.h"

namespace orv {

void RecordingMenuView::createWindow(XMenu& menu) {
  myNextHandle += 4;
  menu.window = myNextHandle;
  shown.append(&menu);
  ++created;
}

void RecordingMenuView::destroyWindow(XMenu& menu) {
  if (!menu.window) return;
  if (menu.openChild && menu.openChild->window) destroyWindow(*menu.openChild);
  for (int32_t i = shown.size() - 1; i >= 0; --i)
    if (shown[i] == &menu) shown.remove(i);
  if (tooltipMenu == &menu) {
    tooltip.clear();
    tooltipMenu = nullptr;
  }
  if (captured == &menu) captured = nullptr;
  ++destroyed;
  // The session may delete the menu: it is not touched after this.
  if (mySession)
    mySession->windowDestroyed(menu);
  else
    menu.window = 0;
}

void RecordingMenuView::moveWindow(XMenu&) { ++moves; }

void RecordingMenuView::showTooltip(XMenu& menu, const Str16& text, int32_t, int32_t) {
  tooltip = text;
  tooltipMenu = text.size() ? &menu : nullptr;
}

void RecordingMenuView::setCapture(XMenu& menu, bool hand) {
  captured = &menu;
  handCursor = hand;
}

void RecordingMenuView::releaseCapture() {
  captured = nullptr;
  handCursor = false;
}

void RecordingMenuView::cursorPos(int32_t& x, int32_t& y) {
  x = cursor[0];
  y = cursor[1];
}

}  // namespace orv
