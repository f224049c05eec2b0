// The about page: the program's name, version and build time.

#include <algorithm>
#include <cstring>
#include <ctime>
#include <cwchar>

#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"

namespace orv::win {

namespace {

// The build time shown on the page, seconds since 1970.
constexpr time_t kBuildTime = 1334832332;

enum : int { kNameLabel = 100, kVersionLabel, kVersionValue, kBuildLabel, kBuildValue };

class OptPanAbout final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanAbout"; }
  const char* titleKey() const override { return "about_pan_title"; }
  void load() override {}
  void apply() override {}
  void create(HWND page) override {
    myPage = page;
    wchar_t version[32], built[64] = L"";
    std::swprintf(version, 32, L"%hs", g_program.version);
    time_t t = kBuildTime;
    if (const char* text = std::ctime(&t)) {
      std::swprintf(built, 64, L"%hs", text);
      // ctime ends its text with a line feed.
      if (wchar_t* lf = std::wcschr(built, L'\n')) *lf = 0;
    }
    label(L"Orvanta", kNameLabel);
    label(L"$about_pan_version_lbl", kVersionLabel);
    label(version, kVersionValue);
    label(L"$about_pan_build_lbl", kBuildLabel);
    label(built, kBuildValue);
    // The name stands out.
    LOGFONTW lf = {};
    GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(page, kNameLabel, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 3 / 2;
    myTitleFont = CreateFontIndirectW(&lf);
    SendDlgItemMessageW(page, kNameLabel, WM_SETFONT, reinterpret_cast<WPARAM>(myTitleFont), FALSE);
  }
  ~OptPanAbout() override {
    if (myTitleFont) DeleteObject(myTitleFont);
  }
  void layout(int, int) override {
    PanelMetrics m = panelMetrics();
    const int labels = std::max(width(kVersionLabel), width(kBuildLabel)) + 2 * m.charWidth;
    int y = m.gap;
    moveControl(myPage, kNameLabel, m.gap, y, titleWidth(), 2 * m.lineHeight);
    y += 2 * m.lineHeight + m.gap;
    moveControl(myPage, kVersionLabel, m.gap, y, labels, m.lineHeight);
    moveControl(myPage, kVersionValue, m.gap + labels, y, width(kVersionValue) + m.charWidth, m.lineHeight);
    y += m.lineHeight + m.gap;
    moveControl(myPage, kBuildLabel, m.gap, y, labels, m.lineHeight);
    moveControl(myPage, kBuildValue, m.gap + labels, y, width(kBuildValue) + m.charWidth, m.lineHeight);
  }
  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    const int labels = std::max(width(kVersionLabel), width(kBuildLabel)) + 2 * m.charWidth;
    const int values = std::max(width(kVersionValue), width(kBuildValue)) + m.charWidth;
    return {std::max(2 * m.gap + labels + values, 2 * m.gap + titleWidth()),
            5 * m.gap + 4 * m.lineHeight};
  }

 private:
  void label(const wchar_t* text, int id) {
    ControlArgs a;
    a.parent = myPage;
    a.text = text;
    a.style = SS_LEFT | SS_NOPREFIX;
    a.id = id;
    createControl(a);
  }
  int width(int id) const { return controlTextWidth(GetDlgItem(myPage, id)); }
  // The name is drawn in its larger font: measured in it.
  int titleWidth() const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, myTitleFont);
    SIZE s = {};
    GetTextExtentPoint32W(dc, L"Orvanta", 7, &s);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return s.cx + 4;
  }

  HWND myPage = nullptr;
  HFONT myTitleFont = nullptr;
};

const OptionsPanelRegistration kRegistration(kPageAbout, [] { return static_cast<IOptionsPanel*>(new OptPanAbout); });

}  // namespace

}  // namespace orv::win
