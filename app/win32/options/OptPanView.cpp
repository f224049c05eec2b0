// The appearance page: the popup menus' font, its size and their opacity.
// The values live in OptViewModel until Apply.

#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "app/OptViewModel.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"

namespace orv::win {

namespace {

enum : int { kFontLabel = 110, kFont, kSizeLabel, kSize, kOpacityLabel, kOpacity, kOpacityValue };

int CALLBACK addFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
  // Vertical variants ("@Font") are no choice for a menu.
  if (font->lfFaceName[0] != L'@' &&
      SendMessageW(reinterpret_cast<HWND>(list), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(font->lfFaceName)) == CB_ERR)
    SendMessageW(reinterpret_cast<HWND>(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
  return 1;
}

class OptPanView final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanView"; }
  const char* titleKey() const override { return "view_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    addLabel(page, kFontLabel, L"$menu_font_name");
    addDropList(page, kFont, CBS_SORT);
    addLabel(page, kSizeLabel, L"$menu_font_size_idx");
    addDropList(page, kSize);
    addLabel(page, kOpacityLabel, L"$transparency");
    HWND bar = createControl({.parent = page,
                              .className = TRACKBAR_CLASSW,
                              .style = TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP,
                              .id = kOpacity});
    SendMessageW(bar, TBM_SETRANGEMIN, FALSE, 100);
    SendMessageW(bar, TBM_SETRANGEMAX, TRUE, 255);
    SendMessageW(bar, TBM_SETTICFREQ, 25, 0);
    SendMessageW(bar, TBM_SETPAGESIZE, 0, 10);
    addLabel(page, kOpacityValue, L"255");

    HWND fonts = GetDlgItem(page, kFont);
    LOGFONTW any = {};
    any.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(page);
    EnumFontFamiliesExW(dc, &any, addFontFamily, reinterpret_cast<LPARAM>(fonts), 0);
    ReleaseDC(page, dc);

    HWND sizes = GetDlgItem(page, kSize);
    for (int32_t i = 0; i < OptViewModel::sizeCount(); ++i) {
      wchar_t text[8];
      std::swprintf(text, 8, L"%d", static_cast<int>(OptViewModel::pointSize(i)));
      SendMessageW(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
  }

  void load() override {
    myModel.load();
    HWND fonts = GetDlgItem(myPage, kFont);
    const wchar_t* face = reinterpret_cast<const wchar_t*>(myModel.fontName().data());
    LRESULT at = SendMessageW(fonts, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face));
    // A font that is not installed (any more) stays the choice until another is picked.
    if (at == CB_ERR && *face) at = SendMessageW(fonts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
    SendMessageW(fonts, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    SendDlgItemMessageW(myPage, kSize, CB_SETCURSEL, static_cast<WPARAM>(myModel.sizeIndex()), 0);
    SendDlgItemMessageW(myPage, kOpacity, TBM_SETPOS, TRUE, myModel.transparency());
    showOpacity();
  }

  void apply() override {
    myModel.apply();
    reloadMenuStyle();
  }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

  bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lp) == GetDlgItem(myPage, kOpacity)) {
      myModel.setTransparency(static_cast<int32_t>(SendMessageW(reinterpret_cast<HWND>(lp), TBM_GETPOS, 0, 0)));
      showOpacity();
    } else if (message == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE && LOWORD(wp) == kFont) {
      myModel.setFontName(controlText(myPage, kFont));
    } else if (message == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE && LOWORD(wp) == kSize) {
      myModel.setSizeIndex(static_cast<int32_t>(SendDlgItemMessageW(myPage, kSize, CB_GETCURSEL, 0, 0)));
    } else {
      return false;
    }
    result = 0;
    return true;
  }

 private:
  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    int fieldX = f.labelColumn({kFontLabel, kSizeLabel, kOpacityLabel});
    f.labelled(kFontLabel, kFont, fieldX, 30);
    f.labelled(kSizeLabel, kSize, fieldX, 8);
    f.gap();
    f.label(kOpacityLabel);
    f.wide(kOpacity, panelMetrics().charWidth * 36, panelMetrics().rowHeight * 3 / 2, 1, kOpacityValue);
    return f.extent();
  }

  void showOpacity() {
    wchar_t text[8];
    std::swprintf(text, 8, L"%d", static_cast<int>(myModel.transparency()));
    SetDlgItemTextW(myPage, kOpacityValue, text);
  }

  HWND myPage = nullptr;
  OptViewModel myModel;
};

const OptionsPanelRegistration registration(kPageView, []() -> IOptionsPanel* { return new OptPanView; });

}  // namespace

}  // namespace orv::win
