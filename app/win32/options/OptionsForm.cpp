// The options window: the page list on the left, the current page on the
// right, OK / Cancel / Apply and Help below. Created hidden at start-up with
// every registered panel; hiding it without applying (Cancel, close) reloads
// the panels so that a dropped change is gone the next time it opens.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/HelpViewer.h"
#include "app/win32/options/OptionsPanel.h"
#include "core/SynchObject.h"

namespace orv::win {

namespace {

constexpr int kPageList = 101;
constexpr int kApplyButton = 12;
constexpr int kHelpButton = IDHELP;

// Zero-initialised before any constructor runs, so that registrations from
// other files may come in any order.
OptionsPanelFactory g_factories[kPageCount];

struct Form {
  HWND window = nullptr;
  HWND list = nullptr;
  IOptionsPanel* panels[kPageCount] = {};
  HWND pages[kPageCount] = {};
  int count = 0;  // panels made, in page order in panels[0..count)
  int current = -1;
  SIZE minimum = {};  // the least client size of the whole window
  bool restart = false;
};
Form g_form;

// The panel name of a showOptions() from another thread, taken by command 102.
SynchObject g_pendingLock;
char g_pendingPanel[64];

const wchar_t* text(const char* key) { return reinterpret_cast<const wchar_t*>(lstr(key)); }

int findPanel(const char* name) {
  if (!name) return -1;
  for (int i = 0; i < g_form.count; ++i)
    if (std::strcmp(g_form.panels[i]->name(), name) == 0) return i;
  return -1;
}

// The button row's and the page list's sizes follow the localised texts.
struct Frame {
  int margin, buttonWidth, buttonHeight, listWidth;
};

Frame frame() {
  PanelMetrics m = panelMetrics();
  Frame f = {};
  f.margin = m.gap;
  f.buttonHeight = m.rowHeight + 2;
  int widest = 0;
  for (int id : {IDOK, IDCANCEL, kApplyButton, kHelpButton})
    if (HWND b = GetDlgItem(g_form.window, id)) widest = std::max(widest, controlTextWidth(b));
  f.buttonWidth = std::max(widest + 4 * m.charWidth, 11 * m.charWidth);
  int titles = 0;
  for (int i = 0; i < g_form.count; ++i) titles = std::max(titles, textWidth(text(g_form.panels[i]->titleKey())));
  f.listWidth = std::max(titles + 3 * m.charWidth + GetSystemMetrics(SM_CXVSCROLL), 16 * m.charWidth);
  return f;
}

void computeMinimum() {
  Frame f = frame();
  int pageWidth = 0, pageHeight = 0;
  for (int i = 0; i < g_form.count; ++i) {
    SIZE s = g_form.panels[i]->minimumSize();
    pageWidth = std::max<int>(pageWidth, s.cx);
    pageHeight = std::max<int>(pageHeight, s.cy);
  }
  const int buttons = 4 * f.buttonWidth + 4 * f.margin;
  g_form.minimum.cx = std::max(f.margin + f.listWidth + f.margin + pageWidth + f.margin, buttons + 2 * f.margin);
  g_form.minimum.cy = f.margin + pageHeight + f.margin + f.buttonHeight + f.margin;
}

void layoutForm() {
  RECT rc;
  GetClientRect(g_form.window, &rc);
  Frame f = frame();
  const int w = rc.right, h = rc.bottom;
  const int buttonY = h - f.margin - f.buttonHeight;
  const int pageX = f.margin + f.listWidth + f.margin;
  const int pageW = std::max(0, w - pageX - f.margin);
  const int pageH = std::max(0, buttonY - 2 * f.margin);
  MoveWindow(g_form.list, f.margin, f.margin, f.listWidth, pageH, TRUE);
  for (int i = 0; i < g_form.count; ++i) {
    MoveWindow(g_form.pages[i], pageX, f.margin, pageW, pageH, TRUE);
    g_form.panels[i]->layout(pageW, pageH);
  }
  // Help under the list; OK, Cancel, Apply at the right.
  moveControl(g_form.window, kHelpButton, f.margin, buttonY, f.buttonWidth, f.buttonHeight);
  int x = w - f.margin - f.buttonWidth;
  for (int id : {kApplyButton, IDCANCEL, IDOK}) {
    moveControl(g_form.window, id, x, buttonY, f.buttonWidth, f.buttonHeight);
    x -= f.buttonWidth + f.margin;
  }
}

void selectPage(int index) {
  if (index < 0 || index >= g_form.count) return;
  if (g_form.current != index) {
    if (g_form.current >= 0) ShowWindow(g_form.pages[g_form.current], SW_HIDE);
    g_form.current = index;
    ShowWindow(g_form.pages[index], SW_SHOW);
    g_form.panels[index]->shown();
  }
  SendMessageW(g_form.list, LB_SETCURSEL, index, 0);
  EnableWindow(GetDlgItem(g_form.window, kHelpButton), *g_form.panels[index]->helpPage() != 0);
}

void loadAll() {
  for (int i = 0; i < g_form.count; ++i) g_form.panels[i]->load();
}

void applyAll() {
  for (int i = 0; i < g_form.count; ++i) g_form.panels[i]->apply();
  trace("options applied\n");
}

// A restart asked for by an earlier Apply stays asked for: what it applied
// is written.
void hideWithoutApplying() {
  ShowWindow(g_form.window, SW_HIDE);
  loadAll();
  trace("options cancelled\n");
}

// Starts the program anew (the new instance drives this one into its exit
// as any second start does), then exits. An editor whose user cancels the
// exit keeps the program running and the restart for the next OK.
void restartProgram() {
  if (!closeEditorsForExit()) {
    trace("restart cancelled by an editor\n");
    return;
  }
  trace("restarting\n");
  ShellExecuteW(nullptr, L"open", g_program.exePath, nullptr, g_program.moduleFolder, SW_SHOWNORMAL);
  exitProgram();
}

void bringToFront(HWND w) {
  if (IsIconic(w)) ShowWindow(w, SW_RESTORE);
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(w);
  SetFocus(g_form.list);
}

void showOnMainThread(const char* panelName) {
  if (!g_form.window) return;
  int index = findPanel(panelName);
  if (index >= 0) selectPage(index);
  else if (g_form.current < 0) selectPage(0);
  bringToFront(g_form.window);
}

void onCommand(int id, int code, HWND from) {
  switch (id) {
    case IDOK:
      applyAll();
      ShowWindow(g_form.window, SW_HIDE);
      if (g_form.restart) restartProgram();
      break;
    case IDCANCEL:
      hideWithoutApplying();
      break;
    case kApplyButton:
      applyAll();
      break;
    case kHelpButton:
      if (g_form.current >= 0) showHelpPage(g_form.window, g_form.panels[g_form.current]->helpPage());
      break;
    case kPageList:
      if (code == LBN_SELCHANGE) selectPage(static_cast<int>(SendMessageW(g_form.list, LB_GETCURSEL, 0, 0)));
      break;
    case kCmdOptions:
      if (!from) {
        char name[sizeof g_pendingPanel];
        {
          SynchObject::Guard guard(g_pendingLock);
          std::memcpy(name, g_pendingPanel, sizeof name);
          g_pendingPanel[0] = 0;
        }
        showOnMainThread(name[0] ? name : nullptr);
      }
      break;
    default:
      // The main window's commands (100 exit, 104 editor, ...) sent here by
      // a second start or a tool that finds the program by this class.
      if (!from) PostMessageW(g_program.mainWindow, WM_COMMAND, id, 0);
      break;
  }
}

LRESULT CALLBACK formProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_COMMAND:
      onCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_CLOSE:
      hideWithoutApplying();
      return 0;
    case WM_SIZE:
      if (g_form.list) layoutForm();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      if (g_form.minimum.cx > 0) {
        RECT r = {0, 0, g_form.minimum.cx, g_form.minimum.cy};
        AdjustWindowRectEx(&r, GetWindowLongW(w, GWL_STYLE), FALSE, GetWindowLongW(w, GWL_EXSTYLE));
        info->ptMinTrackSize.x = r.right - r.left;
        info->ptMinTrackSize.y = r.bottom - r.top;
      }
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE)
        for (int i = 0; i < g_form.count; ++i) g_form.panels[i]->activate();
      return DefWindowProcW(w, m, wp, lp);
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

// A page passes its messages to its panel; the rest get the dialog defaults.
LRESULT CALLBACK pageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  auto* panel = reinterpret_cast<IOptionsPanel*>(GetWindowLongPtrW(w, GWLP_USERDATA));
  LRESULT result = 0;
  if (panel && panel->onMessage(m, wp, lp, result)) return result;
  switch (m) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

void registerClasses() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = formProc;
  wc.hInstance = g_program.instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = g_program.iconLarge;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"orvanta_main_window_class";
  RegisterClassW(&wc);
  wc.lpfnWndProc = pageProc;
  wc.hIcon = nullptr;
  wc.lpszClassName = L"orvanta_options_page";
  RegisterClassW(&wc);
}

HWND button(const wchar_t* label, int id, DWORD style) {
  ControlArgs a;
  a.parent = g_form.window;
  a.className = L"BUTTON";
  a.text = label;
  a.style = WS_TABSTOP | style;
  a.id = id;
  return createControl(a);
}

}  // namespace

OptionsPanelRegistration::OptionsPanelRegistration(OptionsPage page, OptionsPanelFactory make) {
  if (page >= 0 && page < kPageCount) g_factories[page] = make;
}

void createOptionsForm() {
  if (g_form.window) return;
  registerClasses();
  g_form.window = CreateWindowExW(WS_EX_CONTROLPARENT, L"orvanta_main_window_class", L"$main_window_title",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                  nullptr, nullptr, g_program.instance, nullptr);
  g_program.optionsWindow = g_form.window;
  if (!g_form.window) {
    trace("options window failed\n");
    return;
  }
  SendMessageW(g_form.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_program.iconSmall));
  ControlArgs list;
  list.parent = g_form.window;
  list.className = L"LISTBOX";
  list.style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  list.exStyle = WS_EX_CLIENTEDGE;
  list.id = kPageList;
  g_form.list = createControl(list);
  for (int page = 0; page < kPageCount; ++page) {
    if (!g_factories[page]) continue;
    IOptionsPanel* panel = g_factories[page]();
    if (!panel) continue;
    HWND pw = CreateWindowExW(WS_EX_CONTROLPARENT, L"orvanta_options_page", L"", WS_CHILD | WS_CLIPCHILDREN, 0,
                              0, 100, 100, g_form.window, nullptr, g_program.instance, nullptr);
    SetWindowLongPtrW(pw, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(panel));
    panel->create(pw);
    const int i = g_form.count++;
    g_form.panels[i] = panel;
    g_form.pages[i] = pw;
  }
  button(L"$ok", IDOK, BS_DEFPUSHBUTTON);
  button(L"$cancel", IDCANCEL, 0);
  button(L"$apply", kApplyButton, 0);
  button(L"$help_btn", kHelpButton, 0);
  localizeWindow(reinterpret_cast<WindowRef>(g_form.window));
  for (int i = 0; i < g_form.count; ++i) {
    int item = static_cast<int>(SendMessageW(g_form.list, LB_ADDSTRING, 0,
                                             reinterpret_cast<LPARAM>(text(g_form.panels[i]->titleKey()))));
    SendMessageW(g_form.list, LB_SETITEMDATA, item, reinterpret_cast<LPARAM>(g_form.panels[i]));
  }
  trace("options: %d panels registered\n", g_form.count);
  loadAll();
  computeMinimum();
  // Room for a page of help text at first, more when a panel needs it.
  const PanelMetrics m = panelMetrics();
  RECT r = {0, 0, std::max<int>(g_form.minimum.cx + 4 * m.charWidth, frame().listWidth + 64 * m.charWidth),
            std::max<int>(g_form.minimum.cy + m.lineHeight, 26 * m.lineHeight)};
  AdjustWindowRectEx(&r, GetWindowLongW(g_form.window, GWL_STYLE), FALSE, GetWindowLongW(g_form.window, GWL_EXSTYLE));
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetWindowPos(g_form.window, nullptr, work.left + std::max(0, (int(work.right - work.left) - width) / 2),
               work.top + std::max(0, (int(work.bottom - work.top) - height) / 2), width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  layoutForm();
  selectPage(0);
}

void destroyOptionsForm() {
  if (!g_form.window) return;
  DestroyWindow(g_form.window);
  for (int i = 0; i < g_form.count; ++i) delete g_form.panels[i];
  g_form = Form();
  g_program.optionsWindow = nullptr;
}

void showOptions(const char* panelName) {
  if (!g_form.window) return;
  if (GetCurrentThreadId() == g_program.mainThread) {
    showOnMainThread(panelName);
    return;
  }
  {
    SynchObject::Guard guard(g_pendingLock);
    lstrcpynA(g_pendingPanel, panelName ? panelName : "", sizeof g_pendingPanel);
  }
  PostMessageW(g_form.window, WM_COMMAND, kCmdOptions, 0);
}

bool optionsVisible() { return g_form.window && IsWindowVisible(g_form.window); }

HWND optionsPanelPage(const char* panelName) {
  int i = findPanel(panelName);
  return i >= 0 ? g_form.pages[i] : nullptr;
}

IOptionsPanel* optionsPanel(const char* panelName) {
  int i = findPanel(panelName);
  return i >= 0 ? g_form.panels[i] : nullptr;
}

void requestRestart() { g_form.restart = true; }

HWND optionsWindow() { return g_form.window; }

}  // namespace orv::win
