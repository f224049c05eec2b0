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
#include "clipboard/Notes.h"
#include "clipboard/Templates.h"

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
  int64_t noteId = 0;  // 0: no note, -1: a new note, else the note's id
  Str16 text;
  Str16 path;
};

struct Underliner {
  HWND window = nullptr, list = nullptr, titleLabel = nullptr, title = nullptr, shortcutLabel = nullptr,
       shortcut = nullptr, toolbar = nullptr, text = nullptr, tooltip = nullptr;
  int64_t noteId = 0;
  Str16 path;
  TextEncoding encoding = TextEncoding::Ansi;
  bool modified = false;
  bool wrap = true;
  bool filling = false;  // the window sets its own fields: no change of the user
  std::vector<RECT> misspelt;
  WNDPROC textProc = nullptr;
  int splitL = 111;
  bool dragging = false;
};

SynchObject g_editorLock;
std::deque<Request> g_requests;
DWORD g_editorThread = 0;
std::vector<Underliner*> g_windows;
HFONT g_font = nullptr;
HBRUSH g_backBrush = nullptr;

void rebuildTitle(Underliner& u);
void layout(Underliner& u);

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

// --- the note list ---

void fillNoteList(Underliner& u) {
  u.filling = true;
  SendMessageW(u.list, LB_RESETCONTENT, 0, 0);
  ArrT<TxtNote> notes = theNotes().notes();
  int selected = -1;
  for (int32_t i = 0; i < notes.size(); ++i) {
    Str16 caption = notes[i].title.size() ? notes[i].title : notes[i].text;
    Str16 line;
    for (int32_t k = 0; k < caption.size() && line.size() < 80; ++k) {
      char16_t c = caption[k];
      line.append(c == u'\r' || c == u'\n' || c == u'\t' ? u' ' : c);
    }
    line.append(u'\0');
    SendMessageW(u.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.data()));
    SendMessageW(u.list, LB_SETITEMDATA, i, static_cast<LPARAM>(notes[i].id));
    if (static_cast<int64_t>(notes[i].id) == u.noteId) selected = i;
  }
  SendMessageW(u.list, LB_SETCURSEL, selected, 0);
  u.filling = false;
}

void refreshAllLists() {
  for (Underliner* u : g_windows) {
    fillNoteList(*u);
    rebuildTitle(*u);
  }
}

// --- the window title ---

Str16 noteCaption(int64_t id) {
  TxtNote note;
  int32_t i = id > 0 ? theNotes().indexOf(static_cast<uint32_t>(id)) : -1;
  if (i < 0 || !theNotes().at(i, note)) return Str16();
  const Str16& source = note.title.size() ? note.title : note.text;
  Str16 out;
  bool space = false;
  for (int32_t k = 0; k < source.size(); ++k) {
    char16_t c = source[k];
    bool isSpace = c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
    if (isSpace) {
      space = true;
      continue;
    }
    if (space && out.size()) out.append(u' ');
    space = false;
    out.append(c);
  }
  if (out.size() > 50) out.remove(50, out.size() - 50);
  return out;
}

void rebuildTitle(Underliner& u) {
  Str16 t;
  if (u.modified) t.append(u'*');
  if (u.path.size()) {
    int32_t start = 0;
    for (int32_t k = 0; k < u.path.size(); ++k)
      if (u.path[k] == u'\\') start = k + 1;
    t.append(u.path.data() + start, u.path.size() - start);
    appendText(t, u" - ");
  } else if (u.noteId > 0) {
    Str16 caption = noteCaption(u.noteId);
    if (caption.size()) {
      appendText(t, view(caption));
      appendText(t, u" - ");
    }
  }
  appendText(t, lstr("underliner_title_end"));
  setText(u.window, t);
}

void setModified(Underliner& u, bool modified) {
  if (u.modified == modified) return;
  u.modified = modified;
  rebuildTitle(u);
}

// --- binding, saving, closing ---

void bindToNote(Underliner& u, int64_t id) {
  TxtNote note;
  int32_t i = id > 0 ? theNotes().indexOf(static_cast<uint32_t>(id)) : -1;
  u.filling = true;
  u.noteId = id;
  u.path.clear();
  if (i >= 0 && theNotes().at(i, note)) {
    setText(u.text, note.text);
    setText(u.title, note.title);
    setText(u.shortcut, note.shortcut);
  }
  u.filling = false;
  SendMessageW(u.list, LB_SETCURSEL, i, 0);
  u.modified = false;
  rebuildTitle(u);
  SetFocus(u.text);
}

// Saves the fields as the window's note. False when nothing could be kept
// (an empty text, or a text the store refuses); the window then stays
// modified, so that closing still asks.
bool saveNote(Underliner& u) {
  Str16 text = windowText(u.text);
  if (text.size() == 0) return false;
  Str16 title = trimWhiteSpace(view(windowText(u.title)));
  Str16 shortcut = trimWhiteSpace(view(windowText(u.shortcut)));
  NoteResult r;
  if (u.noteId > 0 && theNotes().indexOf(static_cast<uint32_t>(u.noteId)) >= 0) {
    r = theNotes().updateNote(static_cast<uint32_t>(u.noteId), text, title, shortcut);
  } else {
    uint32_t id = 0;
    TxtNote note;
    note.text = text;
    note.title = title;
    note.shortcut = shortcut;
    r = theNotes().addNote(note, &id);
    if (r == NoteResult::Ok) u.noteId = id;
  }
  if (r != NoteResult::Ok) {
    trace("editor: note refused (%d)\n", static_cast<int>(r));
    return false;
  }
  saveProgramStores();
  trace("editor: note %d saved, %d notes\n", static_cast<int>(u.noteId), static_cast<int>(theNotes().size()));
  u.modified = false;
  refreshAllLists();
  return true;
}

bool writeFile(Underliner& u) {
  Str16 text = windowText(u.text);
  std::vector<char> bytes;
  auto units = [&](bool bigEndian) {
    for (int32_t k = 0; k < text.size(); ++k) {
      char16_t c = text[k];
      char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
      bytes.push_back(bigEndian ? hi : lo);
      bytes.push_back(bigEndian ? lo : hi);
    }
  };
  auto narrow = [&](UINT codePage) {
    const wchar_t* s = w(text.data());
    int n = WideCharToMultiByte(codePage, 0, s, text.size(), nullptr, 0, nullptr, nullptr);
    size_t at = bytes.size();
    bytes.resize(at + (n > 0 ? n : 0));
    if (n > 0) WideCharToMultiByte(codePage, 0, s, text.size(), bytes.data() + at, n, nullptr, nullptr);
  };
  switch (u.encoding) {
    case TextEncoding::Ansi: narrow(CP_ACP); break;
    case TextEncoding::Utf16Le: bytes = {'\xFF', '\xFE'}; units(false); break;
    case TextEncoding::Utf16Be: bytes = {'\xFE', '\xFF'}; units(true); break;
    case TextEncoding::Utf8: bytes = {'\xEF', '\xBB', '\xBF'}; narrow(CP_UTF8); break;
  }
  Str16 path = u.path;
  path.append(u'\0');
  HANDLE f = CreateFileW(w(path.data()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = bytes.empty() || WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  if (!ok || written != bytes.size()) return false;
  u.modified = false;
  rebuildTitle(u);
  return true;
}

bool putOnClipboard(const Str16& text) { return theClipboard().setClipboardData(true, text); }

UINT_PTR CALLBACK saveHook(HWND dlg, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_INITDIALOG) {
    auto* ofn = reinterpret_cast<OPENFILENAMEW*>(lp);
    SetWindowLongPtrW(dlg, GWLP_USERDATA, ofn->lCustData);
    HWND combo = GetDlgItem(dlg, kEncodingCombo);
    for (const wchar_t* s : {L"ANSI", L"Unicode", L"Unicode Big Endian", L"UTF-8"})
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    reinterpret_cast<Underliner*>(ofn->lCustData)->encoding = TextEncoding::Ansi;
  } else if (m == WM_COMMAND && LOWORD(wp) == kEncodingCombo && HIWORD(wp) == CBN_SELCHANGE) {
    auto* u = reinterpret_cast<Underliner*>(GetWindowLongPtrW(dlg, GWLP_USERDATA));
    int sel = static_cast<int>(SendMessageW(GetDlgItem(dlg, kEncodingCombo), CB_GETCURSEL, 0, 0));
    if (u && sel >= 0 && sel <= 3) u->encoding = static_cast<TextEncoding>(sel);
  }
  return 0;
}

bool saveToFile(Underliner& u) {
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = u.window;
  ofn.hInstance = g_program.instance;
  ofn.lpstrFilter = L"Text files\0*.txt\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = L"txt";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_OVERWRITEPROMPT |
              OFN_PATHMUSTEXIST;
  ofn.lpTemplateName = L"ENC_FOR_SAVE_AS";
  ofn.lpfnHook = saveHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&u);
  TextEncoding before = u.encoding;
  if (!GetSaveFileNameW(&ofn)) {
    u.encoding = before;
    return false;
  }
  Str16 oldPath = u.path;
  int64_t oldId = u.noteId;
  u.path = toStr16(file, lstrlenW(file));
  u.noteId = 0;
  if (writeFile(u)) {
    SendMessageW(u.list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return true;
  }
  // Not written: the window keeps what it was bound to.
  u.path = oldPath;
  u.noteId = oldId;
  u.encoding = before;
  MessageBoxW(u.window, file, lw("underliner_quit_msg_title"), MB_OK | MB_ICONERROR);
  return false;
}

// Yes/No/Cancel when modified; true when the window may close.
bool confirmQuit(Underliner& u) {
  Str16 text = windowText(u.text);
  if (!u.modified) {
    if (u.noteId > 0 && text.size() == 0 && theNotes().deleteNote(static_cast<uint32_t>(u.noteId), true)) {
      saveProgramStores();
      refreshAllLists();
    }
    return true;
  }
  const char* question = u.noteId != 0   ? "underliner_quit_msg_text_note"
                         : u.path.size() ? "underliner_quit_msg_text_file"
                                         : "underliner_quit_msg_text_scrap";
  trace("editor asks: %s\n", utf16ToUtf8(std::u16string_view(lstr(question))).c_str());
  int answer = MessageBoxW(u.window, lw(question), lw("underliner_quit_msg_title"), MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDCANCEL) return false;
  if (answer == IDNO) {
    if (u.noteId > 0 && theNotes().deleteNote(static_cast<uint32_t>(u.noteId), false)) {
      saveProgramStores();
      refreshAllLists();
    }
    return true;
  }
  if (u.noteId != 0) {
    if (text.size()) return saveNote(u);
    if (u.noteId > 0 && theNotes().deleteNote(static_cast<uint32_t>(u.noteId), true)) {
      saveProgramStores();
      refreshAllLists();
    }
    return true;
  }
  // A file or fragment that could not be kept leaves the window open: the
  // text is never lost by answering Yes.
  if (u.path.size()) return writeFile(u);
  if (putOnClipboard(text)) {
    trace("editor: text put on the clipboard\n");
    return true;
  }
  return false;
}

void selectNoteRow(Underliner& u) {
  int row = static_cast<int>(SendMessageW(u.list, LB_GETCURSEL, 0, 0));
  if (row < 0 || u.filling) return;
  int64_t id = static_cast<int64_t>(SendMessageW(u.list, LB_GETITEMDATA, row, 0));
  if (id == u.noteId) return;
  if (u.modified) {
    int answer = MessageBoxW(u.window, lw("underliner_chrow_msg_text_note"), lw("underliner_chrow_msg_title"),
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL || (answer == IDYES && !saveNote(u))) {
      fillNoteList(u);
      return;
    }
  }
  bindToNote(u, id);
}

void moveSelected(Underliner& u, bool down) {
  int row = static_cast<int>(SendMessageW(u.list, LB_GETCURSEL, 0, 0));
  if (row < 0) return;
  int64_t id = static_cast<int64_t>(SendMessageW(u.list, LB_GETITEMDATA, row, 0));
  if (!theNotes().moveNote(row, down)) return;
  saveProgramStores();
  refreshAllLists();
  SendMessageW(u.list, LB_SETCURSEL, theNotes().indexOf(static_cast<uint32_t>(id)), 0);
}

// --- the spelling underline ---

bool isLetter(wchar_t c) { return IsCharAlphaW(c); }

std::vector<RECT> misspeltRects(Underliner& u) {
  std::vector<RECT> rects;
  if (cfgUnderlinerUnderline.get() <= 0) return rects;
  Str16 text = windowText(u.text);
  HDC dc = GetDC(u.text);
  HGDIOBJ old = SelectObject(dc, g_font);
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  int32_t n = text.size();
  int misspeltCount = 0;
  std::string words;
  for (int32_t i = 0; i < n;) {
    if (!isLetter(text[i])) {
      ++i;
      continue;
    }
    int32_t start = i;
    while (i < n && isLetter(text[i])) ++i;
    Str16 word;
    word.append(text.data() + start, i - start);
    if (editorWordKnown(word)) continue;
    ++misspeltCount;
    words += ' ' + utf16ToUtf8(word);
    LRESULT first = SendMessageW(u.text, EM_POSFROMCHAR, start, 0);
    LRESULT last = SendMessageW(u.text, EM_POSFROMCHAR, i - 1, 0);
    if (first == -1 || last == -1 || HIWORD(first) != HIWORD(last)) continue;
    SIZE lastSize = {};
    GetTextExtentPoint32W(dc, w(text.data() + i - 1), 1, &lastSize);
    RECT r;
    r.left = static_cast<short>(LOWORD(first));
    r.top = static_cast<short>(HIWORD(first));
    r.right = static_cast<short>(LOWORD(last)) + lastSize.cx;
    r.bottom = r.top + tm.tmHeight - 1;
    rects.push_back(r);
  }
  SelectObject(dc, old);
  ReleaseDC(u.text, dc);
  static std::string lastWords;
  if (words != lastWords) {
    lastWords = words;
    trace("editor underline %d:%s\n", misspeltCount, words.c_str());
  }
  return rects;
}

void paintUnderline(Underliner& u) {
  u.misspelt = misspeltRects(u);
  if (u.misspelt.empty()) return;
  HDC dc = GetDC(u.text);
  RECT client;
  GetClientRect(u.text, &client);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  HPEN pen = CreatePen(PS_DOT, 0, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetBkMode(dc, TRANSPARENT);
  for (const RECT& r : u.misspelt) {
    MoveToEx(dc, r.left, r.bottom, nullptr);
    LineTo(dc, r.right, r.bottom);
  }
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ReleaseDC(u.text, dc);
}

Underliner* fromWindow(HWND window) {
  for (Underliner* u : g_windows)
    if (u->window == window) return u;
  return nullptr;
}

LRESULT CALLBACK textProc(HWND hwnd, UINT m, WPARAM wp, LPARAM lp) {
  Underliner* u = fromWindow(GetParent(hwnd));
  WNDPROC prev = u ? u->textProc : DefWindowProcW;
  LRESULT r = CallWindowProcW(prev, hwnd, m, wp, lp);
  if (u && m == WM_PAINT) paintUnderline(*u);
  // Scrolling moves the text without a full repaint of the lines.
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
  u.textProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(u.text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textProc)));
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

void layout(Underliner& u) {
  RECT rc;
  GetClientRect(u.window, &rc);
  int width = rc.right, height = rc.bottom;
  int splitL = std::min(u.splitL, std::max(30, width - 120));
  HDC dc = GetDC(u.window);
  HGDIOBJ old = SelectObject(dc, g_program.dialogFont ? g_program.dialogFont : GetStockObject(DEFAULT_GUI_FONT));
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

void onCommand(Underliner& u, int cmd, int code, HWND from) {
  if (from == u.text || from == u.title || from == u.shortcut) {
    if (code == EN_CHANGE && !u.filling) setModified(u, true);
    return;
  }
  if (from == u.list) {
    if (code == LBN_SELCHANGE) selectNoteRow(u);
    return;
  }
  switch (cmd) {
    case kCmdUndo: SendMessageW(u.text, EM_UNDO, 0, 0); break;
    case kCmdCut: SendMessageW(u.text, WM_CUT, 0, 0); break;
    case kCmdCopy: SendMessageW(u.text, WM_COPY, 0, 0); break;
    case kCmdPaste: SendMessageW(u.text, WM_PASTE, 0, 0); break;
    case kCmdDelete: SendMessageW(u.text, WM_KEYDOWN, VK_DELETE, 0); break;
    case kCmdSelAll: SendMessageW(u.text, EM_SETSEL, 0, -1); break;
    case kCmdCopyAll: putOnClipboard(windowText(u.text)); break;
    case kCmdNewNote: openEditor(-1, Str16(), Str16()); break;
    case kCmdSave:
      if (u.noteId != 0) saveNote(u);
      else if (u.path.size()) writeFile(u);
      else putOnClipboard(windowText(u.text));
      break;
    case kCmdSaveFile: saveToFile(u); break;
    case kCmdSaveNewNote:
      if (u.noteId == 0) u.noteId = -1;
      saveNote(u);
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
      if (!ChooseColorW(&cc)) break;
      for (int i = 0; i < 16; ++i) custom[i] = colors[i];
      cfgCustomColors.set(formatCustomColors(custom));
      cfgUnderlinerBackColor.set(static_cast<int32_t>(cc.rgbResult & 0xFFFFFF));
      applyFontEverywhere();
      break;
    }
    case kCmdOpenNew: {
      int row = static_cast<int>(SendMessageW(u.list, LB_GETCURSEL, 0, 0));
      TxtNote note;
      if (row >= 0 && theNotes().at(row, note)) openEditor(note.id, note.text, Str16());
      break;
    }
    case kCmdDeleteNote: {
      int row = static_cast<int>(SendMessageW(u.list, LB_GETCURSEL, 0, 0));
      TxtNote note;
      if (row < 0 || !theNotes().at(row, note) || !theNotes().deleteNote(note.id, true)) break;
      saveProgramStores();
      // A window bound to the deleted note keeps its text as a new note, so
      // that closing it still asks before anything is lost.
      for (Underliner* other : g_windows)
        if (other->noteId == static_cast<int64_t>(note.id)) {
          other->noteId = -1;
          other->modified = true;
        }
      refreshAllLists();
      break;
    }
    case kCmdMoveUp: moveSelected(u, false); break;
    case kCmdMoveDown: moveSelected(u, true); break;
    case kCmdDictionaries: trace("command options: not available yet\n"); break;
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
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      u->dragging = true;
      SetCapture(hwnd);
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
      if (confirmQuit(*u)) DestroyWindow(hwnd);
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
  u->noteId = request.noteId;
  u->path = request.path;
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
  HFONT uiFont = g_program.dialogFont ? g_program.dialogFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto child = [&](const wchar_t* cls, DWORD style, DWORD ex, int id, const wchar_t* text = L"") {
    HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, u->window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_program.instance, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont), FALSE);
    return c;
  };
  u->list = child(L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, kIdList);
  u->titleLabel = child(L"STATIC", SS_LEFT | SS_NOTIFY, 0, -1, lw("underliner_title_title"));
  u->title = child(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kIdTitle);
  u->shortcutLabel = child(L"STATIC", SS_LEFT | SS_NOTIFY, 0, -1, lw("underliner_title_shortcut"));
  u->shortcut = child(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kIdShortcut);
  SendMessageW(u->shortcut, EM_LIMITTEXT, NotesStore::kMaxShortcutUnits, 0);
  u->toolbar = createToolbar(*u);
  SendMessageW(u->toolbar, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont), FALSE);
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

  u->filling = true;
  if (request.path.size()) {
    Str16 text;
    TextEncoding encoding = TextEncoding::Ansi;
    if (readTextFile(request.path, text, &encoding)) u->encoding = encoding;
    setText(u->text, text);
  } else {
    setText(u->text, request.text);
  }
  fillNoteList(*u);
  u->filling = false;
  if (u->noteId > 0) bindToNote(*u, u->noteId);
  layout(*u);
  rebuildTitle(*u);
  ShowWindow(u->window, SW_SHOW);
  SetForegroundWindow(u->window);
  SetFocus(u->text);
  trace("editor window opened: note %d, %d characters\n", static_cast<int>(u->noteId),
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
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (msg.wParam != 'S' && msg.wParam != 'A' && msg.wParam != 'N') return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  Underliner* u = root ? fromWindow(root) : nullptr;
  if (!u) return false;
  if (msg.wParam == 'A') SendMessageW(u->text, EM_SETSEL, 0, -1);
  else if (msg.wParam == 'N') openEditor(-1, Str16(), Str16());
  else if (u->noteId != 0) saveNote(*u);
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

void openEditor(int64_t noteId, const Str16& text, const Str16& path) {
  SynchObject::Guard guard(g_editorLock);
  if (!ensureEditorThread()) return;
  g_requests.push_back(Request{noteId, text, path});
  PostThreadMessageW(g_editorThread, WM_USER, kEditorRequestWp, kEditorOpenLp);
}

void refreshEditorNoteLists() {
  SynchObject::Guard guard(g_editorLock);
  if (g_editorThread) PostThreadMessageW(g_editorThread, WM_USER, kEditorRequestWp, kEditorRefreshLp);
}

}  // namespace orv::win
