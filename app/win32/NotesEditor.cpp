// The notes editor ("Underliner"): any number of windows, all on one thread
// of their own that other threads reach through a request queue. Each window
// edits a note (with its title and shortcut), a text file or a loose fragment
// of text, and underlines the words the dictionaries do not know.
//
// Thread messages of the editor thread (WM_USER, wParam 1024):
//   lParam 1024  open one window per queued request
//   lParam 1034  every window rebuilds its note list (the clipboard menu
//                closed, or notes were deleted elsewhere)

#include "app/win32/Program.h"
#include "app/win32/options/OptionsPanel.h"

#include <commctrl.h>
#include <commdlg.h>

#include <windowsx.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "app/LocalStr.h"
#include "app/ProgramStores.h"
#include "app/SettingFormats.h"
#include "app/Settings.h"
#include "clipboard/Clipboard.h"
#include "clipboard/EditorModel.h"
#include "clipboard/Underline.h"
#include "clipboard/Notes.h"
#include "clipboard/Templates.h"
#include "language/DictionarySet.h"

namespace orv::win {

namespace {

constexpr WPARAM kEditorRequestWp = 1024;
constexpr LPARAM kEditorOpenLp = 1024;
constexpr LPARAM kEditorRefreshLp = 1034;
const wchar_t* kClassName = L"Underliner";

enum : int {
  kCmdClose = 2,
  kCmdUndo = 107, kCmdCut, kCmdCopy, kCmdPaste, kCmdDelete, kCmdSelAll, kCmdCopyAll,
  kCmdNewNote = 114, kCmdSave = 116, kCmdSaveFile, kCmdSaveNewNote, kCmdWrap, kCmdFont, kCmdBackColor,
  kCmdOpenNew = 122, kCmdDeleteNote = 123, kCmdMoveUp = 124, kCmdMoveDown = 125,
  kCmdDictionaries = 126, kCmdUnderline = 127,
};
enum : int { kIdList = 1001, kIdTitle, kIdShortcut, kIdText, kIdToolbar };
constexpr int kEncodingCombo = 1001;  // in the "ENC_FOR_SAVE_AS" template

const wchar_t* w(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
const wchar_t* lw(const char* key) { return w(lstr(key)); }

Str16 toStr16(const wchar_t* s, int n) {
  Str16 out;
  out.append(reinterpret_cast<const char16_t*>(s), n);
  return out;
}

Str16 windowText(HWND control) {
  int n = GetWindowTextLengthW(control);
  std::vector<wchar_t> buf(n + 1);
  n = GetWindowTextW(control, buf.data(), n + 1);
  return toStr16(buf.data(), n);
}

void setText(HWND control, const Str16& text) {
  Str16 z = text;
  z.append(u'\0');
  SetWindowTextW(control, w(z.data()));
}

struct Request {
  uint32_t noteId = 0;  // 0: no note, kNewNoteRequestId: a new note, else the note's id
  Str16 text;
  Str16 path;
};

struct Underliner;
void refreshAllLists();

// The model's questions, dialogs and effects, on the window.
class WindowHost final : public EditorHost {
 public:
  explicit WindowHost(Underliner& u) : myU(u) {}
  int ask(const char* textKey, const char* captionKey, unsigned style) override;
  void report(const char* textKey) override;
  bool chooseSaveFile(Str16& path, TextEncoding& encoding) override;
  bool putOnClipboard(const Str16& text) override { return theClipboard().setClipboardData(true, text); }
  bool saveStores() override { return saveProgramStores(); }
  void refreshNoteLists() override { refreshAllLists(); }

 private:
  Underliner& myU;
};

struct Underliner {
  HWND window = nullptr, list = nullptr, titleLabel = nullptr, title = nullptr, shortcutLabel = nullptr,
       shortcut = nullptr, toolbar = nullptr, text = nullptr, tooltip = nullptr;
  WindowHost host{*this};
  EditorModel model{host};
  UnderlineState underline;
  std::vector<RECT> misspelt;  // as last painted
  bool wrap = true;
  bool filling = false;  // the window sets its own fields: no edit of the user
  int splitL = 111;
  bool dragging = false;
};

SynchObject g_editorLock;
std::deque<Request> g_requests;
DWORD g_editorThread = 0;
std::vector<Underliner*> g_windows;
HFONT g_font = nullptr;
HBRUSH g_backBrush = nullptr;

void layout(Underliner& u);

HFONT uiFont() {
  return g_program.dialogFont ? g_program.dialogFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}


int WindowHost::ask(const char* textKey, const char* captionKey, unsigned style) {
  trace("editor asks: %s\n", utf16ToUtf8(std::u16string_view(lstr(textKey))).c_str());
  return MessageBoxW(myU.window, lw(textKey), lw(captionKey), style);
}

void WindowHost::report(const char* textKey) {
  trace("editor reports: %s\n", textKey);
  MessageBoxW(myU.window, lw(textKey), lw("underliner_form_title"), MB_OK | MB_ICONEXCLAMATION);
}

UINT_PTR CALLBACK saveHook(HWND dlg, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_INITDIALOG) {
    auto* ofn = reinterpret_cast<OPENFILENAMEW*>(lp);
    SetWindowLongPtrW(dlg, GWLP_USERDATA, ofn->lCustData);
    HWND combo = GetDlgItem(dlg, kEncodingCombo);
    for (const wchar_t* s : {L"ANSI", L"Unicode", L"Unicode Big Endian", L"UTF-8"})
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    auto* encoding = reinterpret_cast<TextEncoding*>(ofn->lCustData);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(*encoding), 0);
  } else if (m == WM_COMMAND && LOWORD(wp) == kEncodingCombo && HIWORD(wp) == CBN_SELCHANGE) {
    auto* encoding = reinterpret_cast<TextEncoding*>(GetWindowLongPtrW(dlg, GWLP_USERDATA));
    int sel = static_cast<int>(SendMessageW(GetDlgItem(dlg, kEncodingCombo), CB_GETCURSEL, 0, 0));
    if (encoding && sel >= 0 && sel <= 3) *encoding = static_cast<TextEncoding>(sel);
  }
  return 0;
}

bool WindowHost::chooseSaveFile(Str16& path, TextEncoding& encoding) {
  wchar_t file[MAX_PATH] = {};
  int n = std::min<int>(path.size(), MAX_PATH - 1);
  for (int i = 0; i < n; ++i) file[i] = static_cast<wchar_t>(path[i]);
  TextEncoding chosen = encoding;
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = myU.window;
  ofn.hInstance = g_program.instance;
  ofn.lpstrFilter = L"Text files\0*.txt\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = L"txt";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_OVERWRITEPROMPT |
              OFN_PATHMUSTEXIST;
  ofn.lpTemplateName = L"ENC_FOR_SAVE_AS";
  ofn.lpfnHook = saveHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&chosen);
  if (!GetSaveFileNameW(&ofn)) return false;
  path = toStr16(file, lstrlenW(file));
  encoding = chosen;
  return true;
}

// --- fonts and colours of the settings ---

void makeFont() {
  if (g_font) DeleteObject(g_font);
  LOGFONTW lf = {};
  HDC dc = GetDC(nullptr);
  lf.lfHeight = -MulDiv(cfgUnderlinerFontSize.get(), GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(nullptr, dc);
  int attr = cfgUnderlinerFontAttr.get();
  lf.lfWeight = (attr & 1) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (attr & 2) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  Str16 name = cfgUnderlinerFontName.get();
  name.append(u'\0');
  lstrcpynW(lf.lfFaceName, w(name.data()), LF_FACESIZE);
  g_font = CreateFontIndirectW(&lf);
  if (g_backBrush) DeleteObject(g_backBrush);
  g_backBrush = CreateSolidBrush(static_cast<COLORREF>(cfgUnderlinerBackColor.get()));
}

void applyFontEverywhere() {
  makeFont();
  for (Underliner* u : g_windows) {
    SendMessageW(u->text, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), TRUE);
    InvalidateRect(u->text, nullptr, TRUE);
  }
}

// --- the window from its model ---

void rebuildTitle(Underliner& u) { setText(u.window, u.model.windowTitle(str16(lstr("underliner_title_end")))); }

void fillNoteList(Underliner& u) {
  bool was = u.filling;
  u.filling = true;
  SendMessageW(u.list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(u.list, LB_RESETCONTENT, 0, 0);
  ArrT<EditorNoteRow> rows = u.model.noteRows();
  for (int32_t i = 0; i < rows.size(); ++i) {
    Str16 line = rows[i].caption;
    line.append(u'\0');
    SendMessageW(u.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.data()));
  }
  SendMessageW(u.list, LB_SETCURSEL, u.model.selectedRow(), 0);
  SendMessageW(u.list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(u.list, nullptr, TRUE);
  u.filling = was;
}

void refreshAllLists() {
  for (Underliner* u : g_windows) {
    fillNoteList(*u);
    rebuildTitle(*u);
  }
}

// The fields from the model (after opening or switching notes).
void fillFields(Underliner& u) {
  u.filling = true;
  setText(u.text, u.model.text());
  setText(u.title, u.model.title());
  setText(u.shortcut, u.model.shortcut());
  u.filling = false;
  fillNoteList(u);
  rebuildTitle(u);
}

// After a command: the binding may have changed (a new note, a file).
void afterCommand(Underliner& u) {
  fillNoteList(u);
  rebuildTitle(u);
}

// --- the spelling underline ---

DictionaryWordCheck* wordCheck() {
  static DictionaryWordCheck* check = nullptr;  // editor thread only; lives as long as the process
  DictionarySet* set = programDictionaries();
  if (!check && set) check = new DictionaryWordCheck(*set);
  return check;
}

void paintUnderline(Underliner& u) {
  DictionaryWordCheck* check = wordCheck();
  if (!check) return;
  Str16 text = windowText(u.text);
  ArrT<int32_t> lineStarts;
  int lines = static_cast<int>(SendMessageW(u.text, EM_GETLINECOUNT, 0, 0));
  for (int i = 0; i < lines; ++i) lineStarts.append(static_cast<int32_t>(SendMessageW(u.text, EM_LINEINDEX, i, 0)));
  if (u.underline.update(cfgUnderlinerUnderline.get() > 0, view(text), lineStarts, *check)) {
    std::string words;
    for (const TextRun& r : u.underline.misspelt()) words += ' ' + utf16ToUtf8(view(text).substr(r.start, r.length));
    trace("editor underline %d:%s\n", static_cast<int>(u.underline.misspelt().size()), words.c_str());
  }
  const ArrT<TextRun>& runs = u.underline.misspelt();
  if (runs.size() == 0) return;
  HDC dc = GetDC(u.text);
  HGDIOBJ oldFont = SelectObject(dc, g_font);
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  RECT client;
  GetClientRect(u.text, &client);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  HPEN pen = CreatePen(PS_DOT, 0, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetBkMode(dc, TRANSPARENT);
  for (const TextRun& r : runs) {
    int32_t last = r.start + r.length - 1;
    if (last >= text.size()) continue;
    LRESULT a = SendMessageW(u.text, EM_POSFROMCHAR, r.start, 0);
    LRESULT b = SendMessageW(u.text, EM_POSFROMCHAR, last, 0);
    if (a == -1 || b == -1 || HIWORD(a) != HIWORD(b)) continue;
    SIZE lastSize = {};
    GetTextExtentPoint32W(dc, w(text.data() + last), 1, &lastSize);
    int y = static_cast<short>(HIWORD(a)) + tm.tmHeight - 1;
    MoveToEx(dc, static_cast<short>(LOWORD(a)), y, nullptr);
    LineTo(dc, static_cast<short>(LOWORD(b)) + lastSize.cx, y);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(pen);
  ReleaseDC(u.text, dc);
}

Underliner* fromWindow(HWND window) {
  for (Underliner* u : g_windows)
    if (u->window == window) return u;
  return nullptr;
}

// The edit control class's own procedure: every text field is an "EDIT",
// and the field still needs it after its window's Underliner is gone (the
// children are destroyed after their parent's WM_DESTROY).
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK textProc(HWND hwnd, UINT m, WPARAM wp, LPARAM lp) {
  Underliner* u = fromWindow(GetParent(hwnd));
  WNDPROC prev = g_editProc ? g_editProc : DefWindowProcW;
  if (u && m == WM_CONTEXTMENU && lp != -1) {
    POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    bool added = false;
    if (showEditorSpellingPopup(hwnd, at, u->underline.misspelt(), added)) {
      if (added)
        for (Underliner* other : g_windows) {
          other->underline.forgetWords();
          InvalidateRect(other->text, nullptr, TRUE);
        }
      return 0;
    }
  }
  LRESULT r = CallWindowProcW(prev, hwnd, m, wp, lp);
  if (u && m == WM_PAINT) paintUnderline(*u);
  // Scrolling moves the painted text and its lines with it, but the edit
  // control repaints only what came into view: the lines are drawn afresh.
  if (u && (m == WM_VSCROLL || m == WM_HSCROLL || m == WM_MOUSEWHEEL)) InvalidateRect(hwnd, nullptr, FALSE);
  return r;
}

// --- building the window ---

void createTextField(Underliner& u) {
  Str16 keep;
  bool hadText = u.text != nullptr;
  if (hadText) {
    keep = windowText(u.text);
    DestroyWindow(u.text);
  }
  DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if (!u.wrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  u.text = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 10, 10, u.window,
                           reinterpret_cast<HMENU>(kIdText), g_program.instance, nullptr);
  SendMessageW(u.text, EM_SETLIMITTEXT, NotesStore::kMaxTextUnits, 0);
  SendMessageW(u.text, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  if (auto old = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(u.text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textProc))))
    g_editProc = old;
  if (hadText) {
    u.filling = true;
    setText(u.text, keep);
    u.filling = false;
    layout(u);
  }
}

HMENU buildMenuBar() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kCmdNewNote, lw("underliner_menu_file_new_note"));
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kCmdSave, lw("underliner_menu_file_save"));
  AppendMenuW(file, MF_STRING, kCmdSaveFile, lw("underliner_menu_file_save_file"));
  AppendMenuW(file, MF_STRING, kCmdSaveNewNote, lw("underliner_menu_file_save_new_note"));
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kCmdClose, lw("underliner_menu_file_close"));
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, kCmdUndo, lw("underliner_menu_edit_undo"));
  AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(edit, MF_STRING, kCmdCut, lw("underliner_menu_edit_cut"));
  AppendMenuW(edit, MF_STRING, kCmdCopy, lw("underliner_menu_edit_copy"));
  AppendMenuW(edit, MF_STRING, kCmdPaste, lw("underliner_menu_edit_paste"));
  AppendMenuW(edit, MF_STRING, kCmdDelete, lw("underliner_menu_edit_delete"));
  AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(edit, MF_STRING, kCmdSelAll, lw("underliner_menu_edit_sel_all"));
  AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(edit, MF_STRING, kCmdCopyAll, lw("underliner_menu_edit_copy_all"));
  HMENU format = CreatePopupMenu();
  AppendMenuW(format, MF_STRING, kCmdWrap, lw("underliner_menu_format_wrap"));
  AppendMenuW(format, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(format, MF_STRING, kCmdFont, lw("underliner_menu_format_font"));
  AppendMenuW(format, MF_STRING, kCmdBackColor, lw("underliner_menu_format_bk_color"));
  HMENU options = CreatePopupMenu();
  AppendMenuW(options, MF_STRING, kCmdDictionaries, lw("underliner_menu_options_dics"));
  AppendMenuW(options, MF_STRING, kCmdUnderline, lw("underliner_menu_options_underline"));
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), lw("underliner_menu_file"));
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), lw("underliner_menu_edit"));
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(format), lw("underliner_menu_format"));
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), lw("underliner_menu_options"));
  return bar;
}

HWND createToolbar(Underliner& u) {
  HWND tb = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                CCS_NODIVIDER | CCS_NOPARENTALIGN,
                            0, 0, 10, 10, u.window, reinterpret_cast<HMENU>(kIdToolbar), g_program.instance,
                            nullptr);
  SendMessageW(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(tb, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  struct {
    int cmd;
    const char* tip;
  } buttons[] = {{kCmdSave, "underliner_save_btn_tooltip"},
                 {kCmdMoveUp, "underliner_mv_up_btn_tooltip"},
                 {kCmdMoveDown, "underliner_mv_dn_btn_tooltip"}};
  TBBUTTON tbb[3] = {};
  for (int i = 0; i < 3; ++i) {
    tbb[i].iBitmap = I_IMAGENONE;
    tbb[i].idCommand = buttons[i].cmd;
    tbb[i].fsState = TBSTATE_ENABLED;
    tbb[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    tbb[i].iString = reinterpret_cast<INT_PTR>(lw(buttons[i].tip));
  }
  SendMessageW(tb, TB_ADDBUTTONS, 3, reinterpret_cast<LPARAM>(tbb));
  SendMessageW(tb, TB_AUTOSIZE, 0, 0);
  return tb;
}

constexpr int kGap = 4;
constexpr int kSplitterWidth = 5;

// The gap between the note list and the fields, which drags the list's width.
bool onSplitter(const Underliner& u, int x) {
  RECT list;
  GetWindowRect(u.list, &list);
  MapWindowPoints(nullptr, u.window, reinterpret_cast<POINT*>(&list), 2);
  return x >= list.right && x < list.right + kSplitterWidth;
}

void layout(Underliner& u) {
  RECT rc;
  GetClientRect(u.window, &rc);
  int width = rc.right, height = rc.bottom;
  int splitL = std::min(u.splitL, std::max(30, width - 120));
  HDC dc = GetDC(u.window);
  HGDIOBJ old = SelectObject(dc, uiFont());
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SIZE titleSize = {}, shortcutSize = {};
  const wchar_t* titleText = lw("underliner_title_title");
  const wchar_t* shortcutText = lw("underliner_title_shortcut");
  GetTextExtentPoint32W(dc, titleText, lstrlenW(titleText), &titleSize);
  GetTextExtentPoint32W(dc, shortcutText, lstrlenW(shortcutText), &shortcutSize);
  SelectObject(dc, old);
  ReleaseDC(u.window, dc);
  int fieldH = tm.tmHeight + 8;
  int labelW = std::max(titleSize.cx, shortcutSize.cx) + 6;
  int x = splitL + kSplitterWidth;
  int right = width - kGap;
  SIZE tbSize = {};
  SendMessageW(u.toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&tbSize));
  MoveWindow(u.list, 0, 0, splitL, height, TRUE);
  int y = kGap;
  int labelY = (fieldH - tm.tmHeight) / 2;
  MoveWindow(u.titleLabel, x, y + labelY, labelW, tm.tmHeight, TRUE);
  MoveWindow(u.title, x + labelW, y, std::max(20, right - x - labelW), fieldH, TRUE);
  y += fieldH + kGap;
  MoveWindow(u.shortcutLabel, x, y + labelY, labelW, tm.tmHeight, TRUE);
  int shortcutW = std::max(20, right - x - labelW - static_cast<int>(tbSize.cx) - kGap);
  MoveWindow(u.shortcut, x + labelW, y, shortcutW, fieldH, TRUE);
  MoveWindow(u.toolbar, right - tbSize.cx, y + (fieldH - tbSize.cy) / 2, tbSize.cx, tbSize.cy, TRUE);
  y += fieldH + kGap;
  MoveWindow(u.text, x, y, std::max(20, right - x), std::max(20, height - y - kGap), TRUE);
}

// A row of the note list: a caption too wide for the list ends in "...".
void drawNoteRow(const DRAWITEMSTRUCT& di) {
  if (di.itemID == static_cast<UINT>(-1)) return;
  bool selected = di.itemState & ODS_SELECTED;
  FillRect(di.hDC, &di.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  int n = static_cast<int>(SendMessageW(di.hwndItem, LB_GETTEXTLEN, di.itemID, 0));
  if (n > 0) {
    std::vector<wchar_t> buf(n + 1);
    n = static_cast<int>(SendMessageW(di.hwndItem, LB_GETTEXT, di.itemID, reinterpret_cast<LPARAM>(buf.data())));
    SetBkMode(di.hDC, TRANSPARENT);
    SetTextColor(di.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT r = di.rcItem;
    r.left += 3;
    r.right -= 2;
    DrawTextW(di.hDC, buf.data(), n, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  if (di.itemState & ODS_FOCUS) DrawFocusRect(di.hDC, &di.rcItem);
}

void addTooltip(Underliner& u, HWND control, const char* key) {
  TOOLINFOW ti = {};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = u.window;
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = const_cast<wchar_t*>(lw(key));
  SendMessageW(u.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void writeBackSize(Underliner& u) {
  RECT r;
  if (IsIconic(u.window) || IsZoomed(u.window) || !GetWindowRect(u.window, &r)) return;
  cfgUnderlinerInitialWidthEx.set(r.right - r.left);
  cfgUnderlinerInitialHeightEx.set(r.bottom - r.top);
}

int selectedRow(Underliner& u) { return static_cast<int>(SendMessageW(u.list, LB_GETCURSEL, 0, 0)); }

void onFieldChange(Underliner& u, HWND from) {
  if (u.filling) return;
  if (from == u.text) u.model.setText(windowText(u.text));
  else if (from == u.title) u.model.setTitle(windowText(u.title));
  else u.model.setShortcut(windowText(u.shortcut));
  rebuildTitle(u);  // the caption follows the text and the title
}

void onCommand(Underliner& u, int cmd, int code, HWND from) {
  if (from && (from == u.text || from == u.title || from == u.shortcut)) {
    if (code == EN_CHANGE) onFieldChange(u, from);
    return;
  }
  if (from && from == u.list) {
    if (code != LBN_SELCHANGE || u.filling) return;
    int row = selectedRow(u);
    if (row >= 0 && row != u.model.selectedRow() && u.model.selectRow(row) == EditorOutcome::Done) {
      fillFields(u);
      SetFocus(u.text);
    } else {
      fillNoteList(u);
    }
    return;
  }
  switch (cmd) {
    case kCmdUndo: SendMessageW(u.text, EM_UNDO, 0, 0); break;
    // The edit control puts only Unicode text; older programs read CF_TEXT.
    case kCmdCut:
      SendMessageW(u.text, WM_CUT, 0, 0);
      theClipboard().addAnsiText();
      break;
    case kCmdCopy:
      SendMessageW(u.text, WM_COPY, 0, 0);
      theClipboard().addAnsiText();
      break;
    case kCmdPaste: SendMessageW(u.text, WM_PASTE, 0, 0); break;
    case kCmdDelete:
      SendMessageW(u.text, WM_KEYDOWN, VK_DELETE, 0);
      SendMessageW(u.text, WM_KEYUP, VK_DELETE, 0);
      break;
    case kCmdSelAll: SendMessageW(u.text, EM_SETSEL, 0, -1); break;
    case kCmdCopyAll: u.host.putOnClipboard(windowText(u.text)); break;
    case kCmdNewNote: openEditor(kNewNoteRequestId, Str16(), Str16()); break;
    case kCmdSave:
      u.model.save();
      afterCommand(u);
      break;
    case kCmdSaveFile:
      u.model.saveToFile();
      afterCommand(u);
      break;
    case kCmdSaveNewNote:
      u.model.saveAsNewNote();
      afterCommand(u);
      break;
    case kCmdWrap:
      u.wrap = !u.wrap;
      createTextField(u);
      CheckMenuItem(GetMenu(u.window), kCmdWrap, u.wrap ? MF_CHECKED : MF_UNCHECKED);
      break;
    case kCmdFont: {
      LOGFONTW lf = {};
      GetObjectW(g_font, sizeof lf, &lf);
      CHOOSEFONTW cf = {};
      cf.lStructSize = sizeof cf;
      cf.hwndOwner = u.window;
      cf.lpLogFont = &lf;
      cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
      cf.nSizeMin = 8;
      cf.nSizeMax = 28;
      if (!ChooseFontW(&cf)) break;
      cfgUnderlinerFontName.set(toStr16(lf.lfFaceName, lstrlenW(lf.lfFaceName)));
      cfgUnderlinerFontSize.set(cf.iPointSize / 10);
      cfgUnderlinerFontAttr.set((lf.lfWeight >= FW_BOLD ? 1 : 0) | (lf.lfItalic ? 2 : 0));
      applyFontEverywhere();
      break;
    }
    case kCmdBackColor: {
      uint32_t custom[16] = {};
      parseCustomColors(cfgCustomColors.get(), custom);
      COLORREF colors[16];
      for (int i = 0; i < 16; ++i) colors[i] = custom[i];
      CHOOSECOLORW cc = {};
      cc.lStructSize = sizeof cc;
      cc.hwndOwner = u.window;
      cc.rgbResult = static_cast<COLORREF>(cfgUnderlinerBackColor.get());
      cc.lpCustColors = colors;
      cc.Flags = CC_RGBINIT | CC_FULLOPEN;
      bool chosen = ChooseColorW(&cc);
      // The custom colours are kept even when the dialog was cancelled:
      // the user may have defined some before changing their mind.
      for (int i = 0; i < 16; ++i) custom[i] = colors[i];
      cfgCustomColors.set(formatCustomColors(custom));
      if (!chosen) break;
      cfgUnderlinerBackColor.set(static_cast<int32_t>(cc.rgbResult & 0xFFFFFF));
      applyFontEverywhere();
      break;
    }
    case kCmdOpenNew: {
      int row = selectedRow(u);
      ArrT<EditorNoteRow> rows = u.model.noteRows();
      if (row >= 0 && row < rows.size()) openEditor(rows[row].id, Str16(), Str16());
      break;
    }
    case kCmdDeleteNote: {
      int row = selectedRow(u);
      if (row >= 0) u.model.deleteRow(row);
      refreshAllLists();
      break;
    }
    case kCmdMoveUp:
    case kCmdMoveDown: {
      int row = selectedRow(u);
      int now = row >= 0 ? u.model.moveRow(row, cmd == kCmdMoveDown) : -1;
      refreshAllLists();
      if (now >= 0) SendMessageW(u.list, LB_SETCURSEL, now, 0);
      break;
    }
    case kCmdDictionaries: showOptions("OptPanDics"); break;
    case kCmdUnderline:
      cfgUnderlinerUnderline.toggle();
      for (Underliner* other : g_windows) {
        CheckMenuItem(GetMenu(other->window), kCmdUnderline,
                      cfgUnderlinerUnderline.get() > 0 ? MF_CHECKED : MF_UNCHECKED);
        InvalidateRect(other->text, nullptr, TRUE);
      }
      break;
    case kCmdClose: PostMessageW(u.window, WM_CLOSE, 0, 0); break;
    default: break;
  }
}

LRESULT CALLBACK underlinerProc(HWND hwnd, UINT m, WPARAM wp, LPARAM lp) {
  Underliner* u = fromWindow(hwnd);
  if (!u) return DefWindowProcW(hwnd, m, wp, lp);
  switch (m) {
    case WM_SIZE:
      layout(*u);
      return 0;
    case WM_EXITSIZEMOVE:
      writeBackSize(*u);
      return 0;
    case WM_COMMAND:
      onCommand(*u, LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      HDC dc = GetDC(hwnd);
      HGDIOBJ old = SelectObject(dc, uiFont());
      TEXTMETRICW tm = {};
      GetTextMetricsW(dc, &tm);
      SelectObject(dc, old);
      ReleaseDC(hwnd, dc);
      mi->itemHeight = tm.tmHeight + 2;
      return TRUE;
    }
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem == u->list) {
        drawNoteRow(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lp) == u->text) {
        SetBkColor(reinterpret_cast<HDC>(wp), static_cast<COLORREF>(cfgUnderlinerBackColor.get()));
        return reinterpret_cast<LRESULT>(g_backBrush);
      }
      break;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wp) == u->list) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, kCmdOpenNew, lw("underliner_note_menu_open_new"));
        AppendMenuW(menu, MF_STRING, kCmdDeleteNote, lw("underliner_note_menu_delete"));
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kCmdNewNote, lw("underliner_menu_file_new_note"));
        TrackPopupMenu(menu, 0, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), 0, hwnd, nullptr);
        DestroyMenu(menu);
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wp) == hwnd && LOWORD(lp) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        if (onSplitter(*u, p.x)) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      if (onSplitter(*u, GET_X_LPARAM(lp))) {
        u->dragging = true;
        SetCapture(hwnd);
      }
      return 0;
    case WM_MOUSEMOVE:
      if (u->dragging) {
        u->splitL = std::clamp(static_cast<int>(GET_X_LPARAM(lp)), 30, 1000);
        layout(*u);
      }
      return 0;
    case WM_LBUTTONUP:
      if (u->dragging) {
        u->dragging = false;
        ReleaseCapture();
        cfgUnderlinerInitialSplitL.set(u->splitL);
      }
      return 0;
    case WM_CLOSE:
      if (u->model.close()) DestroyWindow(hwnd);
      else afterCommand(*u);
      return 0;
    case WM_DESTROY:
      std::erase(g_windows, u);
      delete u;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, m, wp, lp);
}

bool registerClass() {
  static bool done = false;
  if (done) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = underlinerProc;
  wc.hInstance = g_program.instance;
  wc.hIcon = g_program.iconLarge;
  wc.hIconSm = g_program.iconSmall;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  done = RegisterClassExW(&wc) != 0;
  return done;
}

void openWindow(const Request& request) {
  if (!registerClass()) return;
  if (!g_font) makeFont();
  auto* u = new Underliner;
  u->splitL = cfgUnderlinerInitialSplitL.get();
  g_windows.push_back(u);
  u->window = CreateWindowExW(0, kClassName, lw("underliner_form_title"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, cfgUnderlinerInitialWidthEx.get(),
                              cfgUnderlinerInitialHeightEx.get(), nullptr, buildMenuBar(), g_program.instance,
                              nullptr);
  if (!u->window) {
    std::erase(g_windows, u);
    delete u;
    return;
  }
  HFONT font = uiFont();
  auto child = [&](const wchar_t* cls, DWORD style, DWORD ex, int id, const wchar_t* text = L"") {
    HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, u->window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_program.instance, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
  };
  u->list = child(L"LISTBOX",
                  WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                  WS_EX_CLIENTEDGE, kIdList);
  u->titleLabel = child(L"STATIC", SS_LEFT | SS_NOTIFY, 0, -1, lw("underliner_title_title"));
  u->title = child(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kIdTitle);
  u->shortcutLabel = child(L"STATIC", SS_LEFT | SS_NOTIFY, 0, -1, lw("underliner_title_shortcut"));
  u->shortcut = child(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kIdShortcut);
  SendMessageW(u->shortcut, EM_LIMITTEXT, NotesStore::kMaxShortcutUnits, 0);
  u->toolbar = createToolbar(*u);
  SendMessageW(u->toolbar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  createTextField(*u);
  u->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               u->window, nullptr, g_program.instance, nullptr);
  SendMessageW(u->tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
  addTooltip(*u, u->title, "underliner_title_title_tooltip");
  addTooltip(*u, u->titleLabel, "underliner_title_title_tooltip");
  addTooltip(*u, u->shortcut, "underliner_title_shortcut_tooltip");
  addTooltip(*u, u->shortcutLabel, "underliner_title_shortcut_tooltip");
  HMENU bar = GetMenu(u->window);
  CheckMenuItem(bar, kCmdWrap, MF_CHECKED);
  CheckMenuItem(bar, kCmdUnderline, cfgUnderlinerUnderline.get() > 0 ? MF_CHECKED : MF_UNCHECKED);

  u->model.open(request.noteId, request.path, request.text);
  fillFields(*u);
  layout(*u);
  ShowWindow(u->window, SW_SHOW);
  SetForegroundWindow(u->window);
  SetFocus(u->text);
  trace("editor window opened: note %d, %d characters\n",
        request.noteId == kNewNoteRequestId ? -1 : static_cast<int>(u->model.noteId()),
        static_cast<int>(GetWindowTextLengthW(u->text)));
}

void openQueued() {
  for (;;) {
    Request r;
    {
      SynchObject::Guard guard(g_editorLock);
      if (g_requests.empty()) return;
      r = std::move(g_requests.front());
      g_requests.pop_front();
    }
    openWindow(r);
  }
}

// Ctrl+S, Ctrl+A and Ctrl+N in an editor window, before dispatch; true when
// the key was taken.
bool editorShortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  // Tab and Shift+Tab move between the list and the fields; in the text
  // field a Tab is text.
  if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    Underliner* u = fromWindow(GetAncestor(msg.hwnd, GA_ROOT));
    if (!u || msg.hwnd == u->text) return false;
    HWND order[] = {u->list, u->title, u->shortcut, u->text};
    int at = 0;
    while (at < 4 && order[at] != msg.hwnd) ++at;
    if (at == 4) return false;
    SetFocus(order[(at + (GetKeyState(VK_SHIFT) < 0 ? 3 : 1)) % 4]);
    return true;
  }
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (msg.wParam != 'S' && msg.wParam != 'A' && msg.wParam != 'N') return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  Underliner* u = root ? fromWindow(root) : nullptr;
  if (!u) return false;
  if (msg.wParam == 'A') SendMessageW(u->text, EM_SETSEL, 0, -1);
  else if (msg.wParam == 'N') openEditor(kNewNoteRequestId, Str16(), Str16());
  else if (u->model.isNote()) {
    u->model.save();
    afterCommand(*u);
  }
  return true;
}

DWORD WINAPI editorThreadProc(LPVOID ready) {
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the thread's queue exists from here
  SetEvent(static_cast<HANDLE>(ready));
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!msg.hwnd && msg.message == WM_USER && msg.wParam == kEditorRequestWp) {
      if (msg.lParam == kEditorOpenLp) openQueued();
      else if (msg.lParam == kEditorRefreshLp) refreshAllLists();
      continue;
    }
    if (editorShortcut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

// Started by the first request; false when the thread could not be made.
bool ensureEditorThread() {
  if (g_editorThread) return true;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return false;
  DWORD id = 0;
  HANDLE t = CreateThread(nullptr, 0, editorThreadProc, ready, 0, &id);
  if (t) {
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(t);
    g_editorThread = id;
  }
  CloseHandle(ready);
  return g_editorThread != 0;
}

}  // namespace

void openEditor(uint32_t noteId, const Str16& text, const Str16& path) {
  SynchObject::Guard guard(g_editorLock);
  if (!ensureEditorThread()) return;
  g_requests.push_back(Request{noteId, text, path});
  PostThreadMessageW(g_editorThread, WM_USER, kEditorRequestWp, kEditorOpenLp);
}

namespace {

BOOL CALLBACK collectEditorWindow(HWND hwnd, LPARAM list) {
  wchar_t name[32];
  if (GetClassNameW(hwnd, name, 32) && !lstrcmpW(name, kClassName))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

}  // namespace

bool closeEditorsForExit() {
  static volatile LONG asking = 0;
  DWORD thread;
  {
    SynchObject::Guard guard(g_editorLock);
    thread = g_editorThread;
  }
  if (!thread) return true;
  // The exit command comes again while the user still answers (a second
  // start repeats it until this instance is gone): one round of questions.
  if (InterlockedExchange(&asking, 1)) return false;
  std::vector<HWND> windows;
  EnumThreadWindows(thread, collectEditorWindow, reinterpret_cast<LPARAM>(&windows));
  bool allClosed = true;
  for (HWND hwnd : windows) {
    SendMessageW(hwnd, WM_CLOSE, 0, 0);  // the quit question on the editor thread
    if (IsWindow(hwnd)) {
      allClosed = false;  // Cancel: no more questions, the program stays
      break;
    }
  }
  InterlockedExchange(&asking, 0);
  return allClosed;
}

void refreshEditorNoteLists() {
  SynchObject::Guard guard(g_editorLock);
  if (g_editorThread) PostThreadMessageW(g_editorThread, WM_USER, kEditorRequestWp, kEditorRefreshLp);
}

}  // namespace orv::win
