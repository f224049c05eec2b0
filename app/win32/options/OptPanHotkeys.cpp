// The shortcuts page: one entry field per hotkey in the table's order, and
// the lone Ctrl that switches the layout.

#include <windows.h>

#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/HotkeyEntry.h"
#include "app/win32/options/OptionsPanel.h"

namespace orv::win {

namespace {

constexpr int kLabelFirst = 200;
constexpr int kEntryFirst = 300;
constexpr int kCtrlLabel = 400;
constexpr int kCtrlRadio = 401;  // + 0 off, 1 left, 2 right: the setting's value
constexpr int kCtrlChoices = 3;

const wchar_t* const kCtrlKeys[kCtrlChoices] = {L"$hotkeys_pan_ctrl_none", L"$hotkeys_pan_ctrl_left",
                                                L"$hotkeys_pan_ctrl_right"};

class OptPanHotkeys final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanHotkeys"; }
  const char* titleKey() const override { return "hotkeys_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    myRows = keyboardHotkeys();
    for (int32_t i = 0; i < myRows.size(); ++i) {
      createControl({.parent = page, .text = reinterpret_cast<const wchar_t*>(myRows[i].label.data()),
                     .style = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, .id = kLabelFirst + i});
      createHotkeyEntry(page, kEntryFirst + i, myRows[i].name.data());
    }
    createControl({.parent = page, .text = L"$hotkeys_pan_ctrl_lbl", .style = SS_LEFT | SS_CENTERIMAGE,
                   .id = kCtrlLabel});
    for (int v = 0; v < kCtrlChoices; ++v)
      createControl({.parent = page, .className = L"BUTTON", .text = kCtrlKeys[v],
                     .style = BS_AUTORADIOBUTTON | WS_TABSTOP | (v == 0 ? DWORD{WS_GROUP} : DWORD{0}), .id = kCtrlRadio + v});
  }

  void load() override {
    loadHotkeyEdits();
    refreshEntries();
    int v = cfgSwitchLayoutCtrl.get();
    for (int i = 0; i < kCtrlChoices; ++i) setChecked(myPage, kCtrlRadio + i, i == v);
  }

  // The clipboard page edits one of these codes too.
  void shown() override { refreshEntries(); }

  void apply() override {
    applyHotkeyEdits();
    int v = 0;
    for (int i = 1; i < kCtrlChoices; ++i)
      if (isChecked(myPage, kCtrlRadio + i)) v = i;
    cfgSwitchLayoutCtrl.set(v);
  }

  void layout(int width, int) override {
    PanelMetrics m = panelMetrics();
    int label = labelWidth();
    int entryX = m.gap + label + 2 * m.gap;
    int entryWidth = width - entryX - m.gap;
    if (entryWidth > 28 * m.charWidth) entryWidth = 28 * m.charWidth;
    int y = m.gap;
    for (int32_t i = 0; i < myRows.size(); ++i) {
      moveControl(myPage, kLabelFirst + i, m.gap, y, label, m.rowHeight);
      moveControl(myPage, kEntryFirst + i, entryX, y, entryWidth, m.rowHeight);
      y += m.rowHeight + m.gap / 2;
    }
    y += m.gap;
    int ctrlLabel = controlTextWidth(GetDlgItem(myPage, kCtrlLabel));
    moveControl(myPage, kCtrlLabel, m.gap, y, ctrlLabel, m.rowHeight);
    y += m.rowHeight;
    int x = m.gap * 3;
    for (int v = 0; v < kCtrlChoices; ++v) {
      int w = radioWidth(v);
      moveControl(myPage, kCtrlRadio + v, x, y, w, m.rowHeight);
      x += w + m.gap * 2;
    }
  }

  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    int rows = m.gap + labelWidth() + 2 * m.gap + 20 * m.charWidth + m.gap;
    int radios = m.gap * 3;
    for (int v = 0; v < kCtrlChoices; ++v) radios += radioWidth(v) + m.gap * 2;
    int ctrl = 2 * m.gap + controlTextWidth(GetDlgItem(myPage, kCtrlLabel));
    int w = rows > radios ? rows : radios;
    if (ctrl > w) w = ctrl;
    int h = m.gap + myRows.size() * (m.rowHeight + m.gap / 2) + m.gap + 2 * m.rowHeight + m.gap;
    return SIZE{w, h};
  }

 private:
  int labelWidth() const {
    int w = 0;
    for (int32_t i = 0; i < myRows.size(); ++i) {
      int t = controlTextWidth(GetDlgItem(myPage, kLabelFirst + i));
      if (t > w) w = t;
    }
    return w;
  }
  int radioWidth(int v) const {
    PanelMetrics m = panelMetrics();
    return controlTextWidth(GetDlgItem(myPage, kCtrlRadio + v)) + GetSystemMetrics(SM_CXMENUCHECK) + m.charWidth * 2;
  }
  void refreshEntries() {
    for (int32_t i = 0; i < myRows.size(); ++i) refreshHotkeyEntry(GetDlgItem(myPage, kEntryFirst + i));
  }

  HWND myPage = nullptr;
  ArrT<HotkeyRow> myRows;
};

OptionsPanelRegistration g_registration(kPageHotkeys, []() -> IOptionsPanel* { return new OptPanHotkeys; });

}  // namespace

}  // namespace orv::win
