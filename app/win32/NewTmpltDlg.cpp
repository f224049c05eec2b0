// The dialog behind the templates menu's "Create Folder" and "Create File":
// a name field with OK and Cancel. OK creates the folder or the file in the
// folder the menu entry named; a name that cannot be used beeps and leaves
// the dialog open for a correction. The template is built in memory, so the
// program needs no dialog resources.

#include <cstring>
#include <string>
#include <vector>

#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "clipboard/Templates.h"

namespace orv::win {

namespace {

constexpr int kIdName = 1001;
constexpr int kIdLabel = 1002;

// The dialog's texts come from the user's language file.
const wchar_t* lang(std::u16string_view key) {
  return reinterpret_cast<const wchar_t*>(LocalStr::process().text(key));
}

class TemplateBuilder {
 public:
  void word(WORD w) { myData.push_back(w); }
  void dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
  }
  void text(const wchar_t* s) {
    for (; *s; ++s) word(static_cast<WORD>(*s));
    word(0);
  }
  void align() {
    if (myData.size() % 2) word(0);
  }
  void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls, const wchar_t* title) {
    align();
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    word(static_cast<WORD>(x));
    word(static_cast<WORD>(y));
    word(static_cast<WORD>(cx));
    word(static_cast<WORD>(cy));
    word(id);
    word(0xFFFF);
    word(cls);
    text(title);
    word(0);  // no creation data
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(myData.data()); }
  // The item count sits at word 4 of the header (after style and extended style).
  void setCount(WORD n) { myData[4] = n; }

 private:
  std::vector<WORD> myData;
};

// The folder the menu entry named; the templates folder itself when the
// command came from elsewhere.
Str16 folderText() {
  Str16 folder = pendingTemplateFolder();
  return folder.size() ? folder : str16(u"templates");
}

Str16 moduleFolderText() {
  Str16 s;
  for (const wchar_t* p = g_program.moduleFolder; *p; ++p) s.append(static_cast<char16_t>(*p));
  return s;
}

INT_PTR CALLBACK dialogProc(HWND d, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(d, GWLP_USERDATA, lp);
      SendDlgItemMessageW(d, kIdName, EM_LIMITTEXT, 100, 0);
      SetForegroundWindow(d);
      SetFocus(GetDlgItem(d, kIdName));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        const bool isFolder = GetWindowLongPtrW(d, GWLP_USERDATA) != 0;
        wchar_t buffer[256] = {};
        GetDlgItemTextW(d, kIdName, buffer, 256);
        Str16 name;
        for (const wchar_t* p = buffer; *p; ++p) name.append(static_cast<char16_t>(*p));
        Str16 made;
        CreateTemplateResult r = createTemplate(moduleFolderText(), folderText(), name, isFolder, &made);
        if (r == CreateTemplateResult::BadName || r == CreateTemplateResult::Failed) {
          MessageBeep(MB_ICONWARNING);
          SetFocus(GetDlgItem(d, kIdName));
          return TRUE;
        }
        trace("template %s created: %s\n", isFolder ? "folder" : "file", utf16ToUtf8(made).c_str());
        // A new file opens in the notes editor.
        if (r == CreateTemplateResult::File) {
          trace("notes editor: file %s\n", utf16ToUtf8(made).c_str());
          openEditor(0, Str16(), made);
        }
        EndDialog(d, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(d, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void showNewTemplateDialog(bool isFolder) {
  TemplateBuilder t;
  t.dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.dword(WS_EX_TOPMOST);
  t.word(0);  // item count, set below
  t.word(0);
  t.word(0);
  t.word(200);
  t.word(62);
  t.word(0);  // no menu
  t.word(0);  // the dialog class
  t.text(lang(u"new_tmplts_dlg_title"));
  t.word(8);
  t.text(L"MS Shell Dlg");
  t.item(SS_LEFT, 7, 7, 186, 9, kIdLabel, 0x0082, lang(isFolder ? u"new_tmplts_dlg_fold_lbl" : u"new_tmplts_dlg_file_lbl"));
  t.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 18, 186, 13, kIdName, 0x0081, L"");
  t.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 40, 50, 14, IDOK, 0x0080, lang(u"ok"));
  t.item(BS_PUSHBUTTON | WS_TABSTOP, 143, 40, 50, 14, IDCANCEL, 0x0080, lang(u"cancel"));
  t.setCount(4);
  DialogBoxIndirectParamW(g_program.instance, t.get(), nullptr, dialogProc, isFolder ? 1 : 0);
}

}  // namespace orv::win
