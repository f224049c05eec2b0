// The keyboard layouts page: the installed layouts in the program's order,
// each checked when it takes part in switching, and whether the switches
// keep to the checked ones.

#include <windows.h>

#include <cstdio>

#include "app/SettingFormats.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/OrderedCheckList.h"

namespace orv::win {

namespace {

constexpr int kHint = 200;
constexpr int kList = 201;
constexpr int kUp = 202;
constexpr int kDown = 203;
constexpr int kOnlySelected = 204;

Str16 hexId(uint32_t layout) {
  wchar_t text[12];
  swprintf(text, 12, L"%08X", layout);
  Str16 id;
  for (const wchar_t* p = text; *p; ++p) id.append(static_cast<char16_t>(*p));
  return id;
}

ArrT<Str16> hexIds(const ArrT<uint32_t>& layouts) {
  ArrT<Str16> out;
  for (uint32_t h : layouts) out.append(hexId(h));
  return out;
}

ArrT<uint32_t> layoutsOf(const ArrT<Str16>& ids) {
  ArrT<uint32_t> out;
  for (const Str16& id : ids) out.append(static_cast<uint32_t>(wcstoul(reinterpret_cast<const wchar_t*>(id.data()), nullptr, 16)));
  return out;
}

// The language's name in the user's language, with the handle when the
// language has no name here.
Str16 layoutLabel(uint32_t layout) {
  wchar_t name[128] = {};
  LCID locale = MAKELCID(LOWORD(layout), SORT_DEFAULT);
  Str16 label;
  if (GetLocaleInfoW(locale, LOCALE_SLANGUAGE, name, 128) > 0)
    for (const wchar_t* p = name; *p; ++p) label.append(static_cast<char16_t>(*p));
  if (HIWORD(layout) != LOWORD(layout) || label.size() == 0) {
    Str16 id = hexId(layout);
    if (label.size()) label.append(u" (", 2);
    label.append(id);
    if (label.size() > id.size()) label.append(u')');
  }
  return label;
}

class OptPanKLs final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanKLs"; }
  const char* titleKey() const override { return "kls_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    createControl({.parent = page, .text = L"$kls_pan_hint", .style = SS_LEFT, .id = kHint});
    myList.create(page, kList, kUp, kDown);
    createControl({.parent = page, .className = L"BUTTON", .text = L"$only_sel_lay_switch",
                   .style = BS_AUTOCHECKBOX | WS_TABSTOP, .id = kOnlySelected});
  }

  void load() override {
    HKL installed[100];
    int n = GetKeyboardLayoutList(100, installed);
    ArrT<uint32_t> layouts;
    MapT<Str16, Str16> labels;
    for (int i = 0; i < n; ++i) {
      uint32_t h = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(installed[i]));
      layouts.append(h);
      labels.put(hexId(h), layoutLabel(h));
    }
    OrderedChoices choices;
    choices.load(hexIds(layouts), hexIds(parseHexList(cfgHklOrder.get())), hexIds(parseHexList(cfgHklSkip.get())));
    myList.fill(choices, labels);
    setChecked(myPage, kOnlySelected, cfgOnlySelLaySwitch.get() != 0);
  }

  void apply() override {
    const OrderedChoices& c = myList.choices();
    cfgHklOrder.set(formatHexList(layoutsOf(c.order())));
    cfgHklSkip.set(formatHexList(layoutsOf(c.skip())));
    cfgOnlySelLaySwitch.set(isChecked(myPage, kOnlySelected) ? 1 : 0);
    keyboardLayoutOrderChanged();
  }

  void layout(int width, int height) override {
    PanelMetrics m = panelMetrics();
    int w = width - 2 * m.gap;
    int hint = hintHeight(w);
    moveControl(myPage, kHint, m.gap, m.gap, w, hint);
    int y = m.gap + hint + m.gap;
    int listHeight = height - y - m.gap - m.rowHeight - m.gap;
    if (listHeight < 5 * m.rowHeight) listHeight = 5 * m.rowHeight;
    myList.layout(m.gap, y, w, listHeight);
    y += listHeight + m.gap;
    moveControl(myPage, kOnlySelected, m.gap, y, w, m.rowHeight);
  }

  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    int check = controlTextWidth(GetDlgItem(myPage, kOnlySelected)) + GetSystemMetrics(SM_CXMENUCHECK) + m.charWidth * 2;
    int list = 28 * m.charWidth + m.gap + myList.buttonsWidth();
    int w = (check > list ? check : list) + 2 * m.gap;
    int h = m.gap + hintHeight(w - 2 * m.gap) + m.gap + 5 * m.rowHeight + m.gap + m.rowHeight + m.gap;
    return SIZE{w, h};
  }

  bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT&) override { return myList.onMessage(message, wp, lp); }

 private:
  // The hint wraps: its height at a width.
  int hintHeight(int width) const {
    HWND hint = GetDlgItem(myPage, kHint);
    wchar_t text[512] = {};
    GetWindowTextW(hint, text, 512);
    HDC dc = GetDC(hint);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hint, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, width, 0};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hint, dc);
    return r.bottom;
  }

  HWND myPage = nullptr;
  OrderedCheckList myList;
};

OptionsPanelRegistration g_registration(kPageKLs, []() -> IOptionsPanel* { return new OptPanKLs; });

}  // namespace

}  // namespace orv::win
