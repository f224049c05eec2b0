#include "app/win32/options/PanelKit.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/options/Controls.h"

namespace orv::win {

HWND addCheck(HWND page, int id, const wchar_t* text) {
  return createControl({.parent = page, .className = L"BUTTON", .text = text, .style = BS_AUTOCHECKBOX | WS_TABSTOP, .id = id});
}

HWND addRadio(HWND page, int id, const wchar_t* text, bool first) {
  return createControl({.parent = page,
                        .className = L"BUTTON",
                        .text = text,
                        .style = static_cast<DWORD>(BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0)),
                        .id = id});
}

HWND addLabel(HWND page, int id, const wchar_t* text) {
  return createControl({.parent = page, .text = text, .style = SS_LEFT | SS_NOPREFIX, .id = id});
}

HWND addButton(HWND page, int id, const wchar_t* text) {
  return createControl({.parent = page, .className = L"BUTTON", .text = text, .style = BS_PUSHBUTTON | WS_TABSTOP, .id = id});
}

HWND addEdit(HWND page, int id, DWORD style) {
  return createControl({.parent = page,
                        .className = L"EDIT",
                        .style = ES_AUTOHSCROLL | WS_TABSTOP | style,
                        .exStyle = WS_EX_CLIENTEDGE,
                        .id = id});
}

HWND addDropList(HWND page, int id, DWORD style) {
  return createControl({.parent = page,
                        .className = L"COMBOBOX",
                        .style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | style,
                        .id = id,
                        .height = 200});
}

HWND addNumber(HWND page, int id, int min, int max) {
  HWND edit = addEdit(page, id, ES_NUMBER);
  SendMessageW(edit, EM_SETLIMITTEXT, 5, 0);
  HWND arrows = createControl({.parent = page,
                               .className = UPDOWN_CLASSW,
                               .style = UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                               .id = id + 1});
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(arrows, UDM_SETRANGE32, min, max);
  return edit;
}

void setNumber(HWND page, int id, int value) { SetDlgItemInt(page, id, static_cast<UINT>(value), TRUE); }

bool getNumber(HWND page, int id, int& value) {
  BOOL ok = FALSE;
  int v = static_cast<int>(GetDlgItemInt(page, id, &ok, TRUE));
  if (ok) value = v;
  return ok;
}

Str16 controlText(HWND page, int id) {
  HWND c = GetDlgItem(page, id);
  int n = c ? GetWindowTextLengthW(c) : 0;
  Str16 s;
  if (n <= 0) return s;
  ArrT<wchar_t> buf;
  buf.fill(0, n + 1);
  n = GetWindowTextW(c, buf.data(), n + 1);
  for (int i = 0; i < n; ++i) s.append(static_cast<char16_t>(buf[i]));
  return s;
}

void setControlText(HWND page, int id, const Str16& text) {
  SetDlgItemTextW(page, id, reinterpret_cast<const wchar_t*>(text.data()));
}

void enableControl(HWND page, int id, bool on) {
  if (HWND c = GetDlgItem(page, id)) EnableWindow(c, on);
}

RowFlow::RowFlow(HWND page, bool place) : myPage(page), myPlace(place) {
  PanelMetrics m = panelMetrics();
  myMargin = m.gap * 2;
  myY = myMargin;
}

int RowFlow::indentWidth(int indent) const { return myMargin + indent * panelMetrics().charWidth * 3; }

int RowFlow::checkWidth(int id) const {
  // The box, the space after it, the text and room for the focus frame.
  return GetSystemMetrics(SM_CXMENUCHECK) + panelMetrics().charWidth * 2 + controlTextWidth(GetDlgItem(myPage, id));
}

void RowFlow::put(int id, int x, int y, int width, int height) {
  myRight = std::max(myRight, x + width);
  if (myPlace) moveControl(myPage, id, x, y, width, height);
}

void RowFlow::check(int id, int indent) {
  PanelMetrics m = panelMetrics();
  put(id, indentWidth(indent), myY, checkWidth(id), m.rowHeight);
  myY += m.rowHeight;
}

void RowFlow::label(int id, int indent) {
  PanelMetrics m = panelMetrics();
  put(id, indentWidth(indent), myY, controlTextWidth(GetDlgItem(myPage, id)) + m.charWidth, m.lineHeight);
  myY += m.lineHeight + m.gap / 2;
}

void RowFlow::button(int id, int indent) {
  PanelMetrics m = panelMetrics();
  int width = std::max(controlTextWidth(GetDlgItem(myPage, id)) + m.charWidth * 4, m.charWidth * 12);
  put(id, indentWidth(indent), myY, width, m.rowHeight + m.gap / 2);
  myY += m.rowHeight + m.gap / 2;
}

int RowFlow::labelColumn(std::initializer_list<int> labelIds, int indent) const {
  int widest = 0;
  for (int id : labelIds) widest = std::max(widest, controlTextWidth(GetDlgItem(myPage, id)));
  return indentWidth(indent) + widest + panelMetrics().charWidth * 2;
}

void RowFlow::labelled(int labelId, int fieldId, int fieldX, int fieldChars, bool number, int indent) {
  PanelMetrics m = panelMetrics();
  int x = indentWidth(indent);
  put(labelId, x, myY + (m.rowHeight - m.lineHeight) / 2, std::max(fieldX - x - m.charWidth, 1), m.lineHeight);
  int width = fieldChars * m.charWidth;
  wchar_t cls[16] = {};
  GetClassNameW(GetDlgItem(myPage, fieldId), cls, 16);
  // A drop-down list's height includes its open list.
  bool dropList = lstrcmpiW(cls, L"COMBOBOX") == 0;
  put(fieldId, fieldX, myY, width, dropList ? m.rowHeight * 12 : m.rowHeight);
  if (number) put(fieldId + 1, fieldX + width, myY, GetSystemMetrics(SM_CXVSCROLL) + 2, m.rowHeight);
  myY += m.rowHeight + m.gap / 2;
}

void RowFlow::checkThenField(int checkId, int fieldId, int fieldChars, int indent) {
  PanelMetrics m = panelMetrics();
  int x = indentWidth(indent);
  int w = checkWidth(checkId);
  put(checkId, x, myY, w, m.rowHeight);
  put(fieldId, x + w + m.charWidth, myY, fieldChars * m.charWidth, m.rowHeight);
  myY += m.rowHeight + m.gap / 2;
}

void RowFlow::wide(int id, int width, int height, int indent, int sideId) {
  PanelMetrics m = panelMetrics();
  int x = indentWidth(indent);
  put(id, x, myY, width, height);
  if (sideId) {
    int sideWidth = std::max(controlTextWidth(GetDlgItem(myPage, sideId)), m.charWidth * 4) + m.charWidth;
    put(sideId, x + width + m.charWidth, myY + (height - m.lineHeight) / 2, sideWidth, m.lineHeight);
  }
  myY += height + m.gap / 2;
}

void RowFlow::gap() { myY += panelMetrics().gap; }

SIZE RowFlow::extent() const { return SIZE{myRight + myMargin, myY + myMargin}; }

}  // namespace orv::win
