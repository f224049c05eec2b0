#include "clipboard/win32/MenuWindow.h"

#include <string>

namespace orv::win {

namespace {

const wchar_t kClassName[] = L"Orvanta:menu";
const wchar_t kProperty[] = L"XMenu:this";
constexpr int32_t kTooltipMaxWidth = 420;
constexpr uint32_t kHintColour = 0x707070;  // hotkeys beside commands, quieter than the caption

// The system's IDC_ARROW, IDC_HAND and IDI_APPLICATION (the SDK macros are
// narrow strings unless UNICODE is defined).
const wchar_t* const kArrowCursor = MAKEINTRESOURCEW(32512);
const wchar_t* const kHandCursor = MAKEINTRESOURCEW(32649);
const wchar_t* const kDefaultIcon = MAKEINTRESOURCEW(32512);

MenuWindows* g_view = nullptr;

HWND toWindow(uintptr_t w) { return reinterpret_cast<HWND>(w); }

XMenu* menuOf(HWND w) { return static_cast<XMenu*>(GetPropW(w, kProperty)); }

std::wstring wide(const Str16& s) { return std::wstring(s.data(), s.data() + s.size()); }

LRESULT CALLBACK menuWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  XMenu* menu = menuOf(w);
  if (menu && g_view) return g_view->handle(w, *menu, m, wp, lp);
  if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(w, m, wp, lp);
}

COLORREF colour(uint32_t c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

void fill(HDC dc, const MenuRect& r, uint32_t c) {
  RECT rc = {r.left, r.top, r.right, r.bottom};
  SetBkColor(dc, colour(c));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void hline(HDC dc, int32_t x0, int32_t x1, int32_t y, uint32_t c) { fill(dc, {x0, y, x1, y + 1}, c); }

HIMAGELIST loadStrip(HINSTANCE instance, const wchar_t* name, int32_t size, COLORREF mask) {
  return ImageList_LoadImageW(instance, name, size, 0, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

// The button strip holds pairs (normal, highlighted): add to notes, edit,
// delete, already in notes, drag, restore. The history uses it whole; the
// notes without the two "notes" signs (edit, delete, drag, restore); the
// templates without those and the drag handle (edit, delete, restore).
void loadButtonLists(HINSTANCE instance, const wchar_t* name, int32_t size, HIMAGELIST (&lists)[3]) {
  static const int kRemoved[3][6] = {{-1}, {7, 6, 1, 0, -1}, {9, 8, 7, 6, 1, 0}};  // highest first
  for (int l = 0; l < 3; ++l) {
    lists[l] = loadStrip(instance, name, size, RGB(0xC0, 0xC0, 0xC0));
    for (int k = 0; k < 6 && lists[l] && kRemoved[l][k] >= 0; ++k) ImageList_Remove(lists[l], kRemoved[l][k]);
  }
}

}  // namespace

bool registerMenuWindowClass(HINSTANCE instance) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = menuWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, kArrowCursor);
  wc.hIcon = LoadIconW(nullptr, kDefaultIcon);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

MenuWindows* menuWindows() { return g_view; }

MenuWindows::MenuWindows(HINSTANCE instance, HWND owner, GdiMeasure& measure)
    : myInstance(instance), myOwner(owner), myMeasure(measure) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  loadButtonLists(instance, L"CLIPBRD_BTNS", 16, myButtons16);
  loadButtonLists(instance, L"CLIPBRD_BTNS_24", 24, myButtons24);
  myClose12 = loadStrip(instance, L"MENU_CLOSE", 12, RGB(0x80, 0x80, 0x80));
  myClose18 = loadStrip(instance, L"MENU_CLOSE_18", 18, RGB(0x80, 0x80, 0x80));
  g_view = this;
}

MenuWindows::~MenuWindows() {
  if (g_view == this) g_view = nullptr;
  for (int i = 0; i < 3; ++i)
    for (HIMAGELIST l : {myButtons16[i], myButtons24[i]})
      if (l) ImageList_Destroy(l);
  for (HIMAGELIST l : {myClose12, myClose18})
    if (l) ImageList_Destroy(l);
}

void MenuWindows::createWindow(XMenu& menu) {
  const bool layered = menuIsLayered(menu.style);
  const DWORD ex = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | (layered ? WS_EX_LAYERED : 0);
  const DWORD style = WS_POPUP | WS_DLGFRAME;
  HWND owner = menu.parent && menu.parent->window ? toWindow(menu.parent->window) : myOwner;
  // screenX, screenY is where the client area goes; the frame lies around it.
  RECT r = {0, 0, menu.windowWidth, menu.windowHeight};
  AdjustWindowRectEx(&r, style, FALSE, ex);
  HWND w = CreateWindowExW(ex, kClassName, nullptr, style, menu.screenX + r.left, menu.screenY + r.top,
                           r.right - r.left, r.bottom - r.top, owner, nullptr, myInstance, nullptr);
  if (!w) return;
  if (layered) SetLayeredWindowAttributes(w, 0, static_cast<BYTE>(menu.style.transparency), LWA_ALPHA);
  SetPropW(w, kProperty, &menu);
  menu.window = reinterpret_cast<uintptr_t>(w);
  if (!menu.parent) myRoot = w;
  SetTimer(w, kMenuWindowTimerId, kMenuTimerMs, nullptr);

  // One tracking tool: the text and the place change with the item under
  // the pointer.
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w, nullptr, myInstance,
                             nullptr);
  if (tip) {
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;  // also understood by the older common controls
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = w;
    ti.uId = 1;
    ti.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    menu.tooltip = reinterpret_cast<uintptr_t>(tip);
  }
  SetWindowPos(w, HWND_TOPMOST, menu.screenX + r.left, menu.screenY + r.top, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
  UpdateWindow(w);
}

void MenuWindows::destroyWindow(XMenu& menu) {
  // Owned windows (the open sub-menus) go first, each through WM_DESTROY.
  if (menu.window) DestroyWindow(toWindow(menu.window));
}

void MenuWindows::moveWindow(XMenu& menu) {
  HWND w = toWindow(menu.window);
  if (!w) return;
  RECT r = {0, 0, menu.windowWidth, menu.windowHeight};
  AdjustWindowRectEx(&r, GetWindowLongW(w, GWL_STYLE), FALSE, GetWindowLongW(w, GWL_EXSTYLE));
  SetWindowPos(w, nullptr, menu.screenX + r.left, menu.screenY + r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MenuWindows::repaint(XMenu& menu) {
  if (menu.window) InvalidateRect(toWindow(menu.window), nullptr, FALSE);
}

void MenuWindows::showTooltip(XMenu& menu, const Str16& text, int32_t x, int32_t y) {
  HWND tip = toWindow(menu.tooltip);
  if (!tip) return;
  TOOLINFOW ti = {};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hwnd = toWindow(menu.window);
  ti.uId = 1;
  SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
  if (text.size() == 0) return;
  std::wstring t = wide(text);
  ti.lpszText = t.data();
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  // Below the pointer, clear of the cursor's arrow.
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y + 20));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
}

void MenuWindows::setCapture(XMenu& menu, bool handCursor) {
  if (!menu.window) return;
  myCapture = toWindow(menu.window);
  SetCapture(myCapture);
  if (handCursor) SetCursor(LoadCursorW(nullptr, kHandCursor));
}

void MenuWindows::releaseCapture() {
  myCapture = nullptr;
  ReleaseCapture();
  SetCursor(LoadCursorW(nullptr, kArrowCursor));
}

bool MenuWindows::hasCapture() { return GetCapture() != nullptr; }

MenuRect MenuWindows::workArea() {
  RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

void MenuWindows::cursorPos(int32_t& x, int32_t& y) {
  POINT p = {0, 0};
  GetCursorPos(&p);
  x = p.x;
  y = p.y;
}

LRESULT MenuWindows::handle(HWND w, XMenu& menu, UINT m, WPARAM wp, LPARAM lp) {
  const int32_t x = static_cast<int16_t>(LOWORD(lp)), y = static_cast<int16_t>(HIWORD(lp));
  switch (m) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      // The close button lights up while the pointer is over it.
      HWND hot = hitTest(menu, x, y).area == MenuArea::Close ? w : nullptr;
      if (hot != myCloseHot) {
        if (myCloseHot) InvalidateRect(myCloseHot, nullptr, FALSE);
        if (hot) InvalidateRect(hot, nullptr, FALSE);
        myCloseHot = hot;
        if (hot) {
          TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, w, 0};
          TrackMouseEvent(&tme);
        }
      }
      if (mySession) mySession->mouseMove(menu, x, y, GetTickCount());
      return 0;
    }
    case WM_MOUSELEAVE:
      if (myCloseHot == w) {
        myCloseHot = nullptr;
        InvalidateRect(w, nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (mySession) mySession->buttonDown(menu, x, y, GetTickCount());
      return 0;
    case WM_LBUTTONUP:
      // The session may close the whole menu here: `menu` is not touched after.
      if (mySession) mySession->buttonUp(menu, x, y, GetTickCount());
      return 0;
    case WM_TIMER:
      if (wp == kMenuWindowTimerId && mySession) mySession->tick(menu, GetTickCount());
      return 0;
    case WM_CLOSE:
      // A root closes the whole menu; a sub-menu closes only with its parent.
      if (!menu.parent) DestroyWindow(w);
      return 0;
    case WM_DESTROY:
      KillTimer(w, kMenuWindowTimerId);
      if (myCloseHot == w) myCloseHot = nullptr;
      if (myCapture == w) releaseCapture();
      if (menu.tooltip) DestroyWindow(toWindow(menu.tooltip));
      menu.tooltip = 0;
      RemovePropW(w, kProperty);
      menu.window = 0;
      if (myRoot == w) myRoot = nullptr;
      if (mySession) mySession->windowDestroyed(menu);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint(w, menu);
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

void MenuWindows::drawImage(HDC dc, HIMAGELIST small, HIMAGELIST large, int32_t index, const MenuRect& r) {
  int32_t sw = 0, sh = 0, lw = 0, lh = 0;
  if (small) ImageList_GetIconSize(small, &sw, &sh);
  if (large) ImageList_GetIconSize(large, &lw, &lh);
  // The larger images where the layout made room for them (150 % screens).
  HIMAGELIST list = large && lw <= r.right - r.left && lh <= r.bottom - r.top ? large : small;
  int32_t size = list == large ? lw : sw;
  if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return;
  ImageList_Draw(list, index, dc, r.left + (r.right - r.left - size) / 2, r.top + (r.bottom - r.top - size) / 2,
                 ILD_TRANSPARENT);
}

void MenuWindows::paintItem(HDC dc, const XMenu& menu, const XMenu& item) {
  const MenuRect r = itemRect(menu, item);
  if (item.kind == MenuKind::Separator) {
    fill(dc, r, menu.style.item.background);
    hline(dc, r.left + 2, r.right - 2, (r.top + r.bottom) / 2, menu.style.item.separator);
    return;
  }
  const bool header = item.kind == MenuKind::Header;
  const MenuItemStyle st = header ? menu.style.header : item.entryStyle ? entryItemStyle(menu.style.item)
                                                                        : menu.style.item;
  const bool hot = !header && mySession && (mySession->hotItem(menu) == &item || mySession->dragged() == &item);
  fill(dc, r, hot ? st.hotBackground : st.background);
  const uint32_t text = hot ? st.hotText : st.text;

  // The caption, character by character in its fonts and colours, cut as
  // the layout measured it.
  const MenuRect cap = captionRect(menu, item);
  int32_t keep = 0;
  const Str16 shown = fitCaption(item, myMeasure, item.captionWidth, keep);
  SetBkMode(dc, TRANSPARENT);
  int32_t x = cap.left;
  for (int32_t i = 0; i < shown.size(); ++i) {
    const uint32_t attr = i < keep && i < item.attrs.size() ? item.attrs[i] : 0;
    const Str16& font = st.fonts[attr & 3];
    const uint32_t own = attr >> 8;
    const uint32_t c = hot || !own ? text : own;
    const int32_t top = r.top + (r.bottom - r.top - myMeasure.lineHeight(font)) / 2;
    SelectObject(dc, myMeasure.font(font));
    SetTextColor(dc, colour(c));
    wchar_t ch = static_cast<wchar_t>(shown[i]);
    TextOutW(dc, x, top, &ch, 1);
    const int32_t cw = myMeasure.charWidth(font, shown[i]);
    if (attr & kCharStrike) hline(dc, x, x + cw, top + myMeasure.lineHeight(font) / 2 + 1, c);
    x += cw;
  }

  if (item.isMenu()) {
    // The sub-menu's arrow: a small triangle pointing right.
    const MenuRect a = arrowRect(menu, item);
    const int32_t cx = (a.left + a.right) / 2 - 2, cy = (a.top + a.bottom) / 2;
    for (int32_t k = 0; k < 4; ++k) fill(dc, {cx + k, cy - 3 + k, cx + k + 1, cy + 4 - k}, text);
  }
  if (hintInRow(item) && item.hint.size()) {
    const MenuRect h = hintRect(menu, item);
    std::wstring hint = wide(item.hint);
    SelectObject(dc, myMeasure.font(st.fonts[0]));
    SetTextColor(dc, colour(hot ? st.hotText : kHintColour));
    RECT rc = {h.left, r.top, h.right, r.bottom};
    DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  // The buttons from the item's list: image index, index + 1 while the
  // pointer is over it.
  const int32_t list = static_cast<int32_t>(item.images);
  if (list < 0 || list > 2) return;
  for (int32_t b = 1; b <= item.buttonCount(); ++b) {
    int32_t image = static_cast<uint8_t>(item.buttons[b - 1]);
    if (mySession && mySession->hotButtonItem() == &item && mySession->hotButton() == b) ++image;
    drawImage(dc, myButtons16[list], myButtons24[list], image, buttonRect(menu, item, b));
  }
}

void MenuWindows::paint(HWND w, XMenu& menu) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(w, &ps);
  RECT client;
  GetClientRect(w, &client);
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);

  const MenuFrameStyle& f = menu.style.frame;
  fill(dc, {0, 0, client.right, client.bottom}, f.frame);
  fill(dc, {f.margins.left, f.margins.top, client.right - f.margins.right, client.bottom - f.margins.bottom},
       f.background);
  // The darker outline around the whole window.
  hline(dc, 0, client.right, 0, f.darkFrame);
  hline(dc, 0, client.right, client.bottom - 1, f.darkFrame);
  fill(dc, {0, 0, 1, client.bottom}, f.darkFrame);
  fill(dc, {client.right - 1, 0, client.right, client.bottom}, f.darkFrame);

  if (menu.title.size()) {
    const MenuRect t = titleTextRect(menu);
    std::wstring title = wide(menu.title);
    SelectObject(dc, myMeasure.font(f.titleFont));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour(f.titleText));
    RECT rc = {t.left, t.top, t.right, t.bottom};
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &rc,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  // Every menu, sub-menus too, has its band with the close button; a dark
  // line sets the band off from a hot first item of the same colour.
  drawImage(dc, myClose12, myClose18, myCloseHot == w ? 1 : 0, closeButtonRect(menu));
  const int32_t band = menuTopBand(menu);
  hline(dc, f.margins.left, client.right - f.margins.right, band - 1, f.darkFrame);

  for (int32_t i = 0; i < menu.count(); ++i) paintItem(dc, menu, *menu.child(i));

  BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(w, &ps);
}

}  // namespace orv::win
