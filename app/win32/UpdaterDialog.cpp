// The update dialog: the running and the newest version, the build date, a
// status line, the download's progress, Update and Cancel, and a status bar.
// Built in code on the thread that opens it (the dialog class, no
// resources) and laid out from the widths of its texts in its own fonts.
// Without a window (silent, the background checks) the texts are dropped
// and only the download's message boxes appear.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "app/win32/Updater.h"

namespace orv::win {

namespace {

constexpr int kIdIcon = 1000;
constexpr int kIdYourLabel = 1001;
constexpr int kIdYourValue = 1002;
constexpr int kIdLatestLabel = 1003;
constexpr int kIdLatestValue = 1004;
constexpr int kIdBuildLabel = 1005;
constexpr int kIdBuildValue = 1006;
constexpr int kIdStatus = 1007;
constexpr int kIdProgress = 1008;
constexpr int kIdUpdate = 1009;
constexpr int kIdStatusBar = 1010;

// Posted to the dialog by the threads: show the stored texts; install the
// stored download.
constexpr UINT kMsgRefresh = WM_APP + 20;
constexpr UINT kMsgDownloaded = WM_APP + 21;

volatile LONG g_updateRunning = 0;

HFONT makeFont(const wchar_t* face, int points) {
  HDC dc = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(nullptr, dc);
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

SIZE textSize(HFONT font, const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  size.cy = metrics.tmHeight;
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size;
}

// The height of `text` broken into lines `width` pixels wide.
int wrappedHeight(HFONT font, const std::wstring& text, int width) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  RECT r = {0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return r.bottom;
}

// The build's moment as the C library writes it, in local time, without
// its line feed.
std::wstring buildTimeText() {
  const time_t t = static_cast<time_t>(kBuildTime);
  const char* text = std::ctime(&t);
  std::wstring out;
  for (const char* p = text ? text : ""; *p && *p != '\n'; ++p) out += static_cast<wchar_t>(*p);
  return out;
}

std::wstring versionText() {
  std::wstring out = L"v";
  for (const char* p = g_program.version; *p; ++p) out += static_cast<wchar_t>(*p);
  return out;
}

HWND child(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id, HFONT font) {
  HWND w = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_program.instance, nullptr);
  if (w && font) SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return w;
}

void place(HWND dialog, int id, int x, int y, int cx, int cy) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool updateRunning() { return g_updateRunning != 0; }

bool UpdateDialog::open(HWND owner, bool silent, bool automatic) {
  if (InterlockedCompareExchange(&g_updateRunning, 1, 0) != 0) return false;
  auto* dialog = new UpdateDialog(owner, silent, automatic);
  if (!silent) dialog->createWindow();
  trace("update dialog opened (%s%s)\n", silent ? "silent" : "window", automatic ? ", automatic" : "");
  startCheckThread(dialog);
  dialog->release();
  return true;
}

UpdateDialog::UpdateDialog(HWND owner, bool silent, bool automatic)
    : mySilent(silent), myOwner(owner), myAutomatic(automatic) {}

UpdateDialog::~UpdateDialog() {
  releaseFlag();
  if (myBigFont) DeleteObject(myBigFont);
  if (mySmallFont) DeleteObject(mySmallFont);
}

void UpdateDialog::addRef() { InterlockedIncrement(&myRefs); }

void UpdateDialog::release() {
  if (InterlockedDecrement(&myRefs) == 0) delete this;
}

// Once the window is closed (or, without one, once the session ends) a new
// session may start; work still under way for this one installs nothing.
void UpdateDialog::releaseFlag() {
  if (InterlockedExchange(&myHoldsFlag, 0)) InterlockedExchange(&g_updateRunning, 0);
}

void UpdateDialog::post(UINT message) {
  SynchObject::Guard guard(myLock);
  if (myWindow) PostMessageW(myWindow, message, 0, 0);
}

void UpdateDialog::showLatest(const std::wstring& text) {
  {
    SynchObject::Guard guard(myLock);
    myLatest = text;
  }
  post(kMsgRefresh);
}

void UpdateDialog::showStatus(const std::wstring& text) {
  {
    SynchObject::Guard guard(myLock);
    myStatus = text;
  }
  post(kMsgRefresh);
}

UpdateReply UpdateDialog::reply() {
  SynchObject::Guard guard(myLock);
  return myReply;
}

void UpdateDialog::updateFound(const UpdateReply& reply) {
  {
    SynchObject::Guard guard(myLock);
    myReply = reply;
    myUpdateFound = true;
  }
  post(kMsgRefresh);
  if (myAutomatic) startDownload();
}

void UpdateDialog::startDownload() {
  {
    SynchObject::Guard guard(myLock);
    if (myDownloading) return;
    myDownloading = true;
    myStatus = wide(lstr("updater_downloading"));
  }
  post(kMsgRefresh);
  startDownloadThread(this);
}

void UpdateDialog::downloadFailed() {
  {
    SynchObject::Guard guard(myLock);
    myDownloading = false;
    myStatus = wide(lstr("updater_must_connect"));
  }
  post(kMsgRefresh);
}

void UpdateDialog::downloaded(std::vector<uint8_t> bytes, DownloadCheck check) {
  if (mySilent) {
    // No window to go to: this thread asks and installs.
    if (check != DownloadCheck::Ok)
      updaterBox(g_program.optionsWindow, wide(lstr("updater_update_failed")), L"Orvanta", MB_ICONWARNING);
    else if (!cancelled())
      installUpdate(g_program.optionsWindow, bytes);
    return;
  }
  {
    SynchObject::Guard guard(myLock);
    myDownload = std::move(bytes);
    myCheck = check;
    myHasDownload = true;
  }
  post(kMsgDownloaded);
}

void UpdateDialog::finishDownload() {
  std::vector<uint8_t> bytes;
  DownloadCheck check;
  {
    SynchObject::Guard guard(myLock);
    if (!myHasDownload) return;
    myHasDownload = false;
    bytes.swap(myDownload);
    check = myCheck;
  }
  InstallResult result = InstallResult::Failed;
  if (check != DownloadCheck::Ok) {
    updaterBox(myWindow, wide(lstr("updater_update_failed")), L"Orvanta", MB_ICONWARNING);
    SynchObject::Guard guard(myLock);
    myStatus = wide(lstr("updater_update_failed"));
  } else {
    result = installUpdate(myWindow, bytes);
  }
  if (result != InstallResult::Failed) {
    closeWindow();
    return;
  }
  {
    // The user may try again.
    SynchObject::Guard guard(myLock);
    myDownloading = false;
  }
  refresh();
}

void UpdateDialog::closeWindow() {
  InterlockedExchange(&myCancelled, 1);
  releaseFlag();
  if (myWindow) DestroyWindow(myWindow);
}

void UpdateDialog::refresh() {
  std::wstring latest, status;
  bool found, downloading;
  {
    SynchObject::Guard guard(myLock);
    latest = myLatest;
    status = myStatus;
    found = myUpdateFound;
    downloading = myDownloading;
  }
  if (!myWindow) return;
  SetDlgItemTextW(myWindow, kIdLatestValue, latest.c_str());
  SetDlgItemTextW(myWindow, kIdStatus, status.c_str());
  ShowWindow(GetDlgItem(myWindow, kIdUpdate), found && !downloading ? SW_SHOW : SW_HIDE);
  ShowWindow(myProgress, downloading ? SW_SHOW : SW_HIDE);
  if (found && !downloading) SendMessageW(myWindow, DM_SETDEFID, kIdUpdate, 0);
}

void UpdateDialog::createWindow() {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  // An empty template (style, extended style, no items, no position, menu,
  // class or title): the controls are made in code, in pixels.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
  alignas(4) const WORD empty[12] = {LOWORD(style), HIWORD(style), LOWORD(WS_EX_APPWINDOW), HIWORD(WS_EX_APPWINDOW)};
  myLatest = wide(lstr("updater_loading"));
  myWindow = CreateDialogIndirectParamW(g_program.instance, reinterpret_cast<const DLGTEMPLATE*>(empty), myOwner, dialogProc,
                                        reinterpret_cast<LPARAM>(this));
  if (!myWindow) {
    trace("update dialog: the window could not be made (%lu)\n", GetLastError());
    return;
  }
  addRef();  // the window's; released when it is destroyed
  SetWindowTextW(myWindow, wide(lstr("updater_window_title")).c_str());
  SendMessageW(myWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_program.iconLarge));
  SendMessageW(myWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_program.iconSmall));
  myBigFont = makeFont(L"Verdana", 10);
  mySmallFont = makeFont(L"Verdana", 8);
  HWND icon = child(myWindow, L"static", L"", SS_ICON, kIdIcon, nullptr);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(g_program.iconLarge), 0);
  child(myWindow, L"static", wide(lstr("updater_your_version")), SS_LEFT | SS_NOPREFIX, kIdYourLabel, myBigFont);
  child(myWindow, L"static", versionText(), SS_LEFT | SS_NOPREFIX, kIdYourValue, myBigFont);
  child(myWindow, L"static", wide(lstr("updater_last_version")), SS_LEFT | SS_NOPREFIX, kIdLatestLabel, myBigFont);
  child(myWindow, L"static", myLatest, SS_LEFT | SS_NOPREFIX, kIdLatestValue, myBigFont);
  child(myWindow, L"static", wide(lstr("updater_build_time")), SS_LEFT | SS_NOPREFIX, kIdBuildLabel, mySmallFont);
  child(myWindow, L"static", buildTimeText(), SS_LEFT | SS_NOPREFIX, kIdBuildValue, mySmallFont);
  child(myWindow, L"static", L"", SS_LEFT | SS_NOPREFIX, kIdStatus, mySmallFont);
  myProgress = child(myWindow, PROGRESS_CLASSW, L"", 0, kIdProgress, nullptr);
  SendMessageW(myProgress, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
  child(myWindow, L"button", wide(lstr("updater_udpate")), BS_DEFPUSHBUTTON | WS_TABSTOP, kIdUpdate, mySmallFont);
  child(myWindow, L"button", wide(lstr("updater_cancel")), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, mySmallFont);
  child(myWindow, STATUSCLASSNAMEW, wide(lstr("updater_status")), 0, kIdStatusBar, mySmallFont);
  layout();
  refresh();
  ShowWindow(myWindow, SW_SHOW);
  SetForegroundWindow(myWindow);
  SetFocus(GetDlgItem(myWindow, IDCANCEL));
}

void UpdateDialog::layout() {
  const int margin = 12;
  const int gap = 8;
  const int iconSize = GetSystemMetrics(SM_CXICON);
  const int x0 = margin + iconSize + 14;
  auto text = [this](int id) {
    wchar_t buffer[512] = {};
    GetDlgItemTextW(myWindow, id, buffer, 512);
    return std::wstring(buffer);
  };
  const SIZE yourLabel = textSize(myBigFont, text(kIdYourLabel));
  const SIZE latestLabel = textSize(myBigFont, text(kIdLatestLabel));
  const SIZE buildLabel = textSize(mySmallFont, text(kIdBuildLabel));
  const int labelWidth = std::max({yourLabel.cx, latestLabel.cx, buildLabel.cx});
  // The newest version's column fits any of the texts it may show.
  int valueWidth = textSize(mySmallFont, text(kIdBuildValue)).cx;
  for (const std::wstring& v : {versionText(), wide(lstr("updater_loading")), wide(lstr("updater_not_connested")),
                                std::wstring(L"v99.999")})
    valueWidth = std::max<int>(valueWidth, textSize(myBigFont, v).cx);
  const int bigLine = yourLabel.cy;
  const int smallLine = buildLabel.cy;
  const int buttonWidth = std::max<int>(
      {88, textSize(mySmallFont, text(kIdUpdate)).cx + 24, textSize(mySmallFont, text(IDCANCEL)).cx + 24});
  const int buttonHeight = smallLine + 12;
  const int width = std::max({x0 + labelWidth + gap + valueWidth + margin, 2 * buttonWidth + gap + 2 * margin, 400});
  const int inner = width - 2 * margin;

  int y = margin;
  place(myWindow, kIdIcon, margin, y, iconSize, iconSize);
  place(myWindow, kIdYourLabel, x0, y, labelWidth, bigLine);
  place(myWindow, kIdYourValue, x0 + labelWidth + gap, y, valueWidth, bigLine);
  y += bigLine + 6;
  place(myWindow, kIdLatestLabel, x0, y, labelWidth, bigLine);
  place(myWindow, kIdLatestValue, x0 + labelWidth + gap, y, valueWidth, bigLine);
  y += bigLine + 6;
  place(myWindow, kIdBuildLabel, x0, y + (bigLine - smallLine), labelWidth, smallLine);
  place(myWindow, kIdBuildValue, x0 + labelWidth + gap, y + (bigLine - smallLine), valueWidth, smallLine);
  y = std::max(y + bigLine, margin + iconSize) + 12;
  // The status line holds the longest of the program's own texts; a
  // server's message longer than that is cut at the bottom.
  int statusHeight = 3 * smallLine;
  for (const char* key : {"updater_must_connect", "updater_update_failed", "updater_update_avalible",
                          "updater_already_updated", "updater_downloading"})
    statusHeight = std::max(statusHeight, wrappedHeight(mySmallFont, wide(lstr(key)), inner));
  place(myWindow, kIdStatus, margin, y, inner, statusHeight);
  y += statusHeight + gap;
  place(myWindow, kIdProgress, margin, y, inner, 16);
  y += 16 + 12;
  place(myWindow, kIdUpdate, width - margin - 2 * buttonWidth - gap, y, buttonWidth, buttonHeight);
  place(myWindow, IDCANCEL, width - margin - buttonWidth, y, buttonWidth, buttonHeight);
  y += buttonHeight + margin;

  HWND bar = GetDlgItem(myWindow, kIdStatusBar);
  RECT barRect;
  GetWindowRect(bar, &barRect);
  const int barHeight = std::max<int>(barRect.bottom - barRect.top, smallLine + 8);
  RECT frame = {0, 0, width, y + barHeight};
  AdjustWindowRectEx(&frame, GetWindowLongW(myWindow, GWL_STYLE), FALSE, GetWindowLongW(myWindow, GWL_EXSTYLE));
  const int cx = frame.right - frame.left;
  const int cy = frame.bottom - frame.top;
  // Centred on the screen's work area: the owner is often hidden.
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(myWindow, nullptr, work.left + (work.right - work.left - cx) / 2,
               work.top + (work.bottom - work.top - cy) / 2, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(bar, WM_SIZE, 0, 0);
}

INT_PTR CALLBACK UpdateDialog::dialogProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_INITDIALOG) {
    SetWindowLongPtrW(w, GWLP_USERDATA, lp);
    return FALSE;
  }
  auto* self = reinterpret_cast<UpdateDialog*>(GetWindowLongPtrW(w, GWLP_USERDATA));
  if (!self) return FALSE;
  switch (m) {
    case kMsgRefresh:
      self->refresh();
      return TRUE;
    case kMsgDownloaded:
      self->finishDownload();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == kIdUpdate) {
        ShowWindow(GetDlgItem(w, kIdUpdate), SW_HIDE);
        SetFocus(GetDlgItem(w, IDCANCEL));
        trace("update: download requested\n");
        self->startDownload();
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        self->closeWindow();
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      self->closeWindow();
      return TRUE;
    case WM_DESTROY: {
      trace("update dialog closed\n");
      {
        SynchObject::Guard guard(self->myLock);
        self->myWindow = nullptr;
        self->myProgress = nullptr;
      }
      SetWindowLongPtrW(w, GWLP_USERDATA, 0);
      InterlockedExchange(&self->myCancelled, 1);
      self->releaseFlag();
      self->release();
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void openUpdateDialog(HWND owner, bool silent) {
  // The background checks are silent and download what they find; the
  // user's checks show the dialog and wait for the Update button.
  if (UpdateDialog::open(owner, silent, silent)) return;
  if (!silent) updaterBox(owner, wide(lstr("updater_in_progress")), L"Orvanta", MB_ICONINFORMATION);
}

}  // namespace orv::win
