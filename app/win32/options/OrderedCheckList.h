#pragma once
// The list of the dictionaries and layouts pages: a check box per item (on
// or off) and buttons that move the selected item up and down, over an
// OrderedChoices that the page loads and reads back.

#include <windows.h>

#include "app/OrderedChoices.h"
#include "core/MapT.h"

namespace orv::win {

class OrderedCheckList {
 public:
  // The list and its two buttons ("$options_move_up", "$options_move_down").
  void create(HWND page, int listId, int upId, int downId);
  // Shows the choices, each under its label (the id when it has none).
  void fill(const OrderedChoices& choices, const MapT<Str16, Str16>& labels);
  const OrderedChoices& choices() const { return myChoices; }
  // The selected item's id, empty when none is selected.
  Str16 selectedId() const;

  // The list at (x, y), the buttons in a column at its right.
  // The buttons' column is at least `sideWidth` wide, so that a page's
  // own buttons below them (the dictionaries' export) line up with them.
  void layout(int x, int y, int width, int height, int sideWidth = 0);
  int buttonsWidth() const;
  // The page's WM_COMMAND and WM_NOTIFY for these controls.
  bool onMessage(UINT message, WPARAM wp, LPARAM lp);

 private:
  void refill(int32_t select);
  void updateButtons();

  HWND myPage = nullptr;
  HWND myList = nullptr;
  int myUpId = 0, myDownId = 0;
  OrderedChoices myChoices;
  MapT<Str16, Str16> myLabels;
  bool myFilling = false;
};

}  // namespace orv::win
