#include "app/win32/options/OrderedCheckList.h"

#include <windows.h>
#include <commctrl.h>

#include "app/win32/options/Controls.h"

namespace orv::win {

void OrderedCheckList::create(HWND page, int listId, int upId, int downId) {
  myPage = page;
  myUpId = upId;
  myDownId = downId;
  myList = createControl({.parent = page, .className = WC_LISTVIEWW,
                          .style = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                   LVS_NOCOLUMNHEADER,
                          .id = listId});
  ListView_SetExtendedListViewStyle(myList, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  LVCOLUMNW column = {};
  column.mask = LVCF_WIDTH;
  column.cx = 100;
  ListView_InsertColumn(myList, 0, &column);
  createControl({.parent = page, .className = L"BUTTON", .text = L"$options_move_up",
                 .style = BS_PUSHBUTTON | WS_TABSTOP, .id = upId});
  createControl({.parent = page, .className = L"BUTTON", .text = L"$options_move_down",
                 .style = BS_PUSHBUTTON | WS_TABSTOP, .id = downId});
}

void OrderedCheckList::fill(const OrderedChoices& choices, const MapT<Str16, Str16>& labels) {
  myChoices = choices;
  myLabels = labels;
  refill(myChoices.size() ? 0 : -1);
}

Str16 OrderedCheckList::selectedId() const {
  int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
  return row >= 0 && row < myChoices.size() ? myChoices.at(row).id : Str16();
}

void OrderedCheckList::refill(int32_t select) {
  myFilling = true;
  SendMessageW(myList, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(myList);
  for (int32_t i = 0; i < myChoices.size(); ++i) {
    const Str16* label = myLabels.get(myChoices.at(i).id);
    const Str16& text = label ? *label : myChoices.at(i).id;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.data()));
    ListView_InsertItem(myList, &item);
    ListView_SetCheckState(myList, i, myChoices.at(i).on);
  }
  if (select >= 0) {
    ListView_SetItemState(myList, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(myList, select, FALSE);
  }
  SendMessageW(myList, WM_SETREDRAW, TRUE, 0);
  myFilling = false;
  updateButtons();
}

void OrderedCheckList::updateButtons() {
  int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
  EnableWindow(GetDlgItem(myPage, myUpId), row > 0);
  EnableWindow(GetDlgItem(myPage, myDownId), row >= 0 && row + 1 < myChoices.size());
}

int OrderedCheckList::buttonsWidth() const {
  PanelMetrics m = panelMetrics();
  int w = 0;
  for (int id : {myUpId, myDownId}) {
    int t = controlTextWidth(GetDlgItem(myPage, id)) + 4 * m.charWidth;
    if (t > w) w = t;
  }
  return w > 10 * m.charWidth ? w : 10 * m.charWidth;
}

void OrderedCheckList::layout(int x, int y, int width, int height, int sideWidth) {
  PanelMetrics m = panelMetrics();
  int buttons = buttonsWidth();
  if (buttons < sideWidth) buttons = sideWidth;
  int listWidth = width - m.gap - buttons;
  MoveWindow(myList, x, y, listWidth, height, TRUE);
  ListView_SetColumnWidth(myList, 0, listWidth - GetSystemMetrics(SM_CXVSCROLL) - 4);
  moveControl(myPage, myUpId, x + listWidth + m.gap, y, buttons, m.rowHeight);
  moveControl(myPage, myDownId, x + listWidth + m.gap, y + m.rowHeight + m.gap / 2, buttons, m.rowHeight);
}

bool OrderedCheckList::onMessage(UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_COMMAND && HIWORD(wp) == BN_CLICKED && (LOWORD(wp) == myUpId || LOWORD(wp) == myDownId)) {
    int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
    if (row < 0) return true;
    refill(LOWORD(wp) == myUpId ? myChoices.moveUp(row) : myChoices.moveDown(row));
    SetFocus(myList);
    return true;
  }
  if (message == WM_NOTIFY) {
    const NMHDR* h = reinterpret_cast<const NMHDR*>(lp);
    if (h->hwndFrom != myList || h->code != LVN_ITEMCHANGED) return false;
    const NMLISTVIEW* v = reinterpret_cast<const NMLISTVIEW*>(lp);
    if (!myFilling && (v->uChanged & LVIF_STATE) && ((v->uNewState ^ v->uOldState) & LVIS_STATEIMAGEMASK))
      myChoices.setOn(v->iItem, ListView_GetCheckState(myList, v->iItem) != 0);
    updateButtons();
    return true;
  }
  return false;
}

}  // namespace orv::win
