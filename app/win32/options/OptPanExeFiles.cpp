// The applications page: the policy table's copy as a list, one check
// column per feature under its icon, a field to add an application (typed
// or one of the recent ones without a policy) and the "!!tuner" request
// that opens the page on an application.

#include <windows.h>
#include <commctrl.h>

#include "app/PoliciesEdit.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "core/SynchObject.h"

namespace orv::win {

namespace {

constexpr int kList = 200;
constexpr int kNameLabel = 201;
constexpr int kNameCombo = 202;
constexpr int kAddButton = 203;
constexpr int kDeleteButton = 204;
constexpr int kLegendFirst = 210;  // six owner-drawn explanation rows
// WM_COMMAND to the page from another thread: the queued "!!tuner" names.
constexpr int kOpenQueued = 230;
constexpr int kFlagCount = 6;

// Names asked for by "!!tuner" on the receiver thread, handed over to the
// main thread.
SynchObject g_queueLock;
ArrT<Str8> g_queued;

class OptPanExeFiles;
OptPanExeFiles* g_panel = nullptr;

class OptPanExeFiles final : public IOptionsPanel {
 public:
  OptPanExeFiles() { g_panel = this; }
  ~OptPanExeFiles() override {
    if (myImages) ImageList_Destroy(myImages);
    if (g_panel == this) g_panel = nullptr;
  }
  const char* name() const override { return "OptPanExeFiles"; }
  const char* titleKey() const override { return "exefiles_pan_title"; }
  const char* helpPage() const override { return "politika.html"; }

  void create(HWND page) override {
    myPage = page;
    PanelMetrics m = panelMetrics();
    myIconSize = m.rowHeight >= 30 ? 24 : 16;
    HBITMAP strip = static_cast<HBITMAP>(LoadImageW(g_program.instance, myIconSize == 24 ? L"EXE_FLAGS_24" : L"EXE_FLAGS",
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    myImages = ImageList_Create(myIconSize, myIconSize, ILC_COLOR24 | ILC_MASK, kFlagCount, 0);
    if (strip) {
      ImageList_AddMasked(myImages, strip, RGB(0xC0, 0xC0, 0xC0));
      DeleteObject(strip);
    }

    myList = createControl({.parent = page, .className = WC_LISTVIEWW,
                            .style = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                     LVS_NOSORTHEADER,
                            .id = kList});
    ListView_SetExtendedListViewStyle(myList, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    HWND header = ListView_GetHeader(myList);
    Header_SetImageList(header, myImages);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 100;
    column.pszText = const_cast<wchar_t*>(L"");
    ListView_InsertColumn(myList, 0, &column);
    for (int bit = 0; bit < kFlagCount; ++bit) {
      LVCOLUMNW c = {};
      c.mask = LVCF_WIDTH | LVCF_IMAGE | LVCF_FMT;
      c.fmt = LVCFMT_CENTER | LVCFMT_IMAGE;
      c.cx = flagColumnWidth();
      c.iImage = bit;
      ListView_InsertColumn(myList, bit + 1, &c);
    }
    myTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                            0, page, nullptr, g_program.instance, nullptr);
    SendMessageW(myTip, TTM_SETMAXTIPWIDTH, 0, 400);
    for (int bit = 0; bit < kFlagCount; ++bit) {
      myHelp[bit] = languageText(kPolicyHelpKeys[bit]);
      TOOLINFOW ti = {};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_SUBCLASS;
      ti.hwnd = header;
      ti.uId = static_cast<UINT_PTR>(bit + 1);
      ti.lpszText = const_cast<wchar_t*>(wide(myHelp[bit]));
      SendMessageW(myTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
      createControl({.parent = page, .style = SS_OWNERDRAW, .id = kLegendFirst + bit});
    }

    createControl({.parent = page, .text = L"$exefiles_pan_add_lbl", .style = SS_LEFT | SS_CENTERIMAGE,
                   .id = kNameLabel});
    myCombo = createControl({.parent = page, .className = WC_COMBOBOXW,
                             .style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, .id = kNameCombo});
    createControl({.parent = page, .className = WC_BUTTONW, .text = L"$exefiles_pan_add_btn",
                   .style = WS_TABSTOP | BS_PUSHBUTTON, .id = kAddButton});
    createControl({.parent = page, .className = WC_BUTTONW, .text = L"$exefiles_pan_delete_btn",
                   .style = WS_TABSTOP | BS_PUSHBUTTON, .id = kDeleteButton});
  }

  void load() override {
    myEdit.load(copyPolicies(), recentPolicyCandidates());
    fillList(-1);
    fillCombo();
  }

  // Unedited, the copy is not written back: a policy the popups' "Do not
  // work in this application" set meanwhile stays.
  void apply() override {
    if (myEdit.edited()) replacePolicies(myEdit.table());
    myEdit.markApplied();
  }

  // The table and the recent list change while the user works elsewhere:
  // an unedited copy follows them.
  void activate() override { refreshUnedited(); }

  void layout(int width, int height) override {
    PanelMetrics m = panelMetrics();
    int x = m.gap, w = width - 2 * m.gap;
    int legendHeight = kFlagCount * legendRowHeight();
    int bottomRow = m.rowHeight;
    int listHeight = height - 3 * m.gap - bottomRow - legendHeight - m.gap;
    if (listHeight < 6 * m.rowHeight) listHeight = 6 * m.rowHeight;
    MoveWindow(myList, x, m.gap, w, listHeight, TRUE);
    ListView_SetColumnWidth(myList, 0, w - kFlagCount * flagColumnWidth() - GetSystemMetrics(SM_CXVSCROLL) - 4);
    int y = m.gap + listHeight + m.gap;
    int label = controlTextWidth(GetDlgItem(myPage, kNameLabel));
    int addWidth = buttonWidth(kAddButton), deleteWidth = buttonWidth(kDeleteButton);
    int comboWidth = w - label - m.gap - addWidth - m.gap - m.gap * 2 - deleteWidth;
    moveControl(myPage, kNameLabel, x, y, label, m.rowHeight);
    MoveWindow(myCombo, x + label + m.gap, y, comboWidth, m.rowHeight * 8, TRUE);
    moveControl(myPage, kAddButton, x + label + m.gap + comboWidth + m.gap, y, addWidth, m.rowHeight);
    moveControl(myPage, kDeleteButton, x + w - deleteWidth, y, deleteWidth, m.rowHeight);
    y += m.rowHeight + m.gap;
    for (int bit = 0; bit < kFlagCount; ++bit)
      moveControl(myPage, kLegendFirst + bit, x, y + bit * legendRowHeight(), w, legendRowHeight());
    updateTips();
  }

  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    int legend = 0;
    for (int bit = 0; bit < kFlagCount; ++bit) {
      int t = textWidth(wide(myHelp[bit]));
      if (t > legend) legend = t;
    }
    legend += myIconSize + m.gap * 3;
    int bottom = controlTextWidth(GetDlgItem(myPage, kNameLabel)) + m.charWidth * 22 + buttonWidth(kAddButton) +
                 buttonWidth(kDeleteButton) + 5 * m.gap;
    int list = m.charWidth * 20 + kFlagCount * flagColumnWidth() + GetSystemMetrics(SM_CXVSCROLL);
    int w = legend > bottom ? legend : bottom;
    if (list > w) w = list;
    return SIZE{w + 2 * m.gap, 6 * m.rowHeight + m.rowHeight + kFlagCount * legendRowHeight() + 5 * m.gap};
  }

  bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (message == WM_COMMAND) {
      switch (LOWORD(wp)) {
        case kAddButton: addTyped(); return true;
        case kDeleteButton: deleteSelected(); return true;
        case kOpenQueued: openQueued(); return true;
        case kNameCombo:
          if (HIWORD(wp) == CBN_EDITCHANGE || HIWORD(wp) == CBN_SELCHANGE) updateButtons();
          return false;
        default: return false;
      }
    }
    if (message == WM_NOTIFY) {
      const NMHDR* h = reinterpret_cast<const NMHDR*>(lp);
      if (h->hwndFrom == myList) return listNotify(h, result);
      if (h->hwndFrom == ListView_GetHeader(myList) && (h->code == HDN_ENDTRACKW || h->code == HDN_ITEMCHANGEDW))
        updateTips();
      return false;
    }
    if (message == WM_DRAWITEM) {
      const DRAWITEMSTRUCT* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      int bit = static_cast<int>(d->CtlID) - kLegendFirst;
      if (bit < 0 || bit >= kFlagCount) return false;
      drawLegend(*d, bit);
      result = TRUE;
      return true;
    }
    return false;
  }

  // "!!tuner" on the main thread.
  void open(const Str8& exeName) {
    // The program's own windows always get every feature: nothing to add.
    if (normalisedExeName(std::string_view(exeName.data(), exeName.size())) == ownExeName()) {
      showOptions(name());
      return;
    }
    refreshUnedited();
    int32_t row = myEdit.openFor(std::string_view(exeName.data(), exeName.size()));
    if (row < 0) {
      MessageBeep(MB_OK);
      return;
    }
    fillList(row);
    myRecentShown = myEdit.recent();
    fillComboFrom(myRecentShown);
    showOptions(name());
    SetFocus(myList);
  }

  HWND page() const { return myPage; }

 private:
  int flagColumnWidth() const { return myIconSize + 16; }
  int legendRowHeight() const {
    PanelMetrics m = panelMetrics();
    int h = m.lineHeight + 4;
    return h > myIconSize + 4 ? h : myIconSize + 4;
  }
  int buttonWidth(int id) const {
    PanelMetrics m = panelMetrics();
    int w = controlTextWidth(GetDlgItem(myPage, id)) + 4 * m.charWidth;
    return w > 10 * m.charWidth ? w : 10 * m.charWidth;
  }

  void fillList(int32_t select) {
    SendMessageW(myList, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(myList);
    for (int32_t i = 0; i < myEdit.size(); ++i) {
      Str16 text = fromAnsi(myEdit.row(i).name);
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = const_cast<wchar_t*>(wide(text));
      ListView_InsertItem(myList, &item);
    }
    SendMessageW(myList, WM_SETREDRAW, TRUE, 0);
    if (select >= 0) {
      ListView_SetItemState(myList, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(myList, select, FALSE);
    }
    updateButtons();
  }

  void refreshUnedited() {
    int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
    Str8 selected = row >= 0 && row < myEdit.size() ? myEdit.row(row).name : Str8();
    myEdit.follow(copyPolicies(), recentPolicyCandidates());
    fillList(myEdit.find(std::string_view(selected.data(), selected.size())));
    // Refilled only on a change: refilling drops what the user typed there.
    if (myEdit.recent() != myRecentShown) fillCombo();
  }

  void fillCombo() {
    myRecentShown = myEdit.recent();
    fillComboFrom(myRecentShown);
  }

  void fillComboFrom(const ArrT<Str8>& names) {
    SendMessageW(myCombo, CB_RESETCONTENT, 0, 0);
    // The newest first: the application the user just left is the likely one.
    for (int32_t i = names.size() - 1; i >= 0; --i) {
      Str16 text = fromAnsi(names[i]);
      SendMessageW(myCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text)));
    }
    updateButtons();
  }

  void updateButtons() {
    EnableWindow(GetDlgItem(myPage, kDeleteButton), ListView_GetNextItem(myList, -1, LVNI_SELECTED) >= 0);
    EnableWindow(GetDlgItem(myPage, kAddButton), GetWindowTextLengthW(myCombo) > 0);
  }

  void addTyped() {
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(myCombo, text, MAX_PATH);
    Str8 typed = toAnsi(text);
    int32_t row = myEdit.add(std::string_view(typed.data(), typed.size()));
    if (row < 0) {
      MessageBeep(MB_OK);
      return;
    }
    SetWindowTextW(myCombo, L"");
    fillList(row);
    fillCombo();
    SetFocus(myList);
  }

  void deleteSelected() {
    int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
    if (row < 0) return;
    Str16 text = languageText("msg_delete_exe_row_text");
    Str16 title = languageText("msg_delete_exe_row_title");
    if (MessageBoxW(optionsWindow(), wide(text), wide(title), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    myEdit.remove(row);
    fillList(row < myEdit.size() ? row : myEdit.size() - 1);
  }

  void openQueued() {
    ArrT<Str8> names;
    {
      SynchObject::Guard g(g_queueLock);
      names.swap(g_queued);
    }
    for (const Str8& n : names) open(n);
  }

  bool listNotify(const NMHDR* h, LRESULT& result) {
    switch (h->code) {
      case NM_CUSTOMDRAW:
        result = customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(h)));
        return true;
      case NM_CLICK:
      case NM_DBLCLK: {
        const NMITEMACTIVATE* a = reinterpret_cast<const NMITEMACTIVATE*>(h);
        LVHITTESTINFO hit = {};
        hit.pt = a->ptAction;
        if (ListView_SubItemHitTest(myList, &hit) >= 0 && hit.iSubItem >= 1) toggle(hit.iItem, hit.iSubItem - 1);
        return false;
      }
      case LVN_KEYDOWN: {
        // Keys 1 to 6 toggle the selected row's features.
        const NMLVKEYDOWN* k = reinterpret_cast<const NMLVKEYDOWN*>(h);
        int row = ListView_GetNextItem(myList, -1, LVNI_SELECTED);
        if (row >= 0 && k->wVKey >= '1' && k->wVKey <= '6') toggle(row, k->wVKey - '1');
        if (k->wVKey == VK_DELETE) deleteSelected();
        return false;
      }
      case LVN_ITEMCHANGED:
        updateButtons();
        return false;
      default: return false;
    }
  }

  void toggle(int row, int bit) {
    myEdit.toggleFlag(row, bit);
    RECT r;
    if (ListView_GetSubItemRect(myList, row, bit + 1, LVIR_BOUNDS, &r)) InvalidateRect(myList, &r, TRUE);
  }

  LRESULT customDraw(NMLVCUSTOMDRAW& cd) {
    switch (cd.nmcd.dwDrawStage) {
      case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
      case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
      case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        if (cd.iSubItem < 1) return CDRF_DODEFAULT;
        int row = static_cast<int>(cd.nmcd.dwItemSpec);
        if (row < 0 || row >= myEdit.size()) return CDRF_DODEFAULT;
        RECT r;
        ListView_GetSubItemRect(myList, row, cd.iSubItem, LVIR_BOUNDS, &r);
        bool selected = ListView_GetItemState(myList, row, LVIS_SELECTED) & LVIS_SELECTED;
        FillRect(cd.nmcd.hdc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        int box = panelMetrics().lineHeight - 2;
        if (box > r.bottom - r.top - 2) box = r.bottom - r.top - 2;
        RECT b = {(r.left + r.right - box) / 2, (r.top + r.bottom - box) / 2, 0, 0};
        b.right = b.left + box;
        b.bottom = b.top + box;
        bool on = myEdit.row(row).flags & (1 << (cd.iSubItem - 1));
        DrawFrameControl(cd.nmcd.hdc, &b, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (on ? DFCS_CHECKED : 0));
        return CDRF_SKIPDEFAULT;
      }
      default: return CDRF_DODEFAULT;
    }
  }

  void drawLegend(const DRAWITEMSTRUCT& d, int bit) {
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    int top = (d.rcItem.top + d.rcItem.bottom - myIconSize) / 2;
    ImageList_Draw(myImages, bit, d.hDC, d.rcItem.left + 2, top, ILD_TRANSPARENT);
    RECT t = d.rcItem;
    t.left += myIconSize + panelMetrics().gap;
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(d.hDC, reinterpret_cast<HFONT>(SendMessageW(d.hwndItem, WM_GETFONT, 0, 0)));
    DrawTextW(d.hDC, wide(myHelp[bit]), -1, &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(d.hDC, old);
  }

  // The header's tooltips follow the columns.
  void updateTips() {
    HWND header = ListView_GetHeader(myList);
    for (int bit = 0; bit < kFlagCount; ++bit) {
      TOOLINFOW ti = {};
      ti.cbSize = sizeof ti;
      ti.hwnd = header;
      ti.uId = static_cast<UINT_PTR>(bit + 1);
      Header_GetItemRect(header, bit + 1, &ti.rect);
      SendMessageW(myTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }

  HWND myPage = nullptr;
  HWND myList = nullptr;
  HWND myCombo = nullptr;
  HWND myTip = nullptr;
  HIMAGELIST myImages = nullptr;
  int myIconSize = 16;
  Str16 myHelp[kFlagCount];
  PoliciesEdit myEdit;
  ArrT<Str8> myRecentShown;
};

OptionsPanelRegistration g_registration(kPageExeFiles, []() -> IOptionsPanel* { return new OptPanExeFiles; });

}  // namespace

void openPoliciesFor(const char* exeName) {
  Str8 name = str8(exeName ? exeName : "");
  if (GetCurrentThreadId() == g_program.mainThread) {
    if (g_panel) g_panel->open(name);
    return;
  }
  {
    SynchObject::Guard g(g_queueLock);
    g_queued.append(name);
  }
  HWND page = g_panel ? g_panel->page() : nullptr;
  if (page) PostMessageW(page, WM_COMMAND, kOpenQueued, 0);
}

}  // namespace orv::win
