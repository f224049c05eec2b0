// The sounds page: the master switch, and per event its switch, its wave
// file and a button that plays the file now.

#include <windows.h>

#include "app/Settings.h"
#include "app/Sounds.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"

namespace orv::win {

namespace {

constexpr int kSoundOn = 200;
constexpr int kCheckFirst = 210;
constexpr int kComboFirst = 220;
constexpr int kPlayFirst = 230;
constexpr int kDefaults = 240;

Str16 labelKey(int i) {
  Str16 key;
  key.append(u'$');
  for (const char* p = kSoundLabelKeys[i]; *p; ++p) key.append(static_cast<char16_t>(*p));
  return key;
}

class OptPanSound final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanSound"; }
  const char* titleKey() const override { return "sound_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    createControl({.parent = page, .className = L"BUTTON", .text = L"$sound_use_checkbox",
                   .style = BS_AUTOCHECKBOX | WS_TABSTOP, .id = kSoundOn});
    for (int i = 0; i < kSoundCount; ++i) {
      Str16 key = labelKey(i);
      createControl({.parent = page, .className = L"BUTTON", .text = wide(key),
                     .style = BS_AUTOCHECKBOX | WS_TABSTOP, .id = kCheckFirst + i});
      // A typed path (one with "\") is kept as the stored file name.
      createControl({.parent = page, .className = L"COMBOBOX",
                     .style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, .id = kComboFirst + i});
      createControl({.parent = page, .className = L"BUTTON", .text = L"$sound_pan_play_btn",
                     .style = BS_PUSHBUTTON | WS_TABSTOP, .id = kPlayFirst + i});
    }
    createControl({.parent = page, .className = L"BUTTON", .text = L"$sound_to_default",
                   .style = BS_PUSHBUTTON | WS_TABSTOP, .id = kDefaults});
  }

  void load() override {
    setChecked(myPage, kSoundOn, cfgSoundOn.get() != 0);
    fillCombos();
    for (int i = 0; i < kSoundCount; ++i) {
      SoundChoice c = soundChoice(i);
      setRow(i, c.enabled, c.fileName);
    }
  }

  // Files put into the folder meanwhile are offered.
  void shown() override {
    for (int i = 0; i < kSoundCount; ++i) {
      wchar_t text[MAX_PATH] = {};
      GetDlgItemTextW(myPage, kComboFirst + i, text, MAX_PATH);
      myKept[i] = toAnsi(text);
    }
    fillCombos();
    for (int i = 0; i < kSoundCount; ++i) setFile(i, myKept[i]);
  }

  void apply() override {
    for (int i = 0; i < kSoundCount; ++i) {
      wchar_t text[MAX_PATH] = {};
      GetDlgItemTextW(myPage, kComboFirst + i, text, MAX_PATH);
      setSound(i, isChecked(myPage, kCheckFirst + i), toAnsi(text));
    }
    cfgSoundOn.set(isChecked(myPage, kSoundOn) ? 1 : 0);
    saveSounds();
  }

  void layout(int width, int) override {
    PanelMetrics m = panelMetrics();
    int y = m.gap;
    moveControl(myPage, kSoundOn, m.gap, y, checkWidth(kSoundOn), m.rowHeight);
    y += m.rowHeight + m.gap;
    int label = labelWidth();
    int play = playWidth();
    int comboX = m.gap * 3 + label + 2 * m.gap;
    int comboWidth = width - comboX - m.gap - play - m.gap;
    if (comboWidth > 30 * m.charWidth) comboWidth = 30 * m.charWidth;
    for (int i = 0; i < kSoundCount; ++i) {
      moveControl(myPage, kCheckFirst + i, m.gap * 3, y, label, m.rowHeight);
      moveControl(myPage, kComboFirst + i, comboX, y, comboWidth, m.rowHeight * 10);
      moveControl(myPage, kPlayFirst + i, comboX + comboWidth + m.gap, y, play, m.rowHeight);
      y += m.rowHeight + m.gap / 2;
    }
    y += m.gap;
    moveControl(myPage, kDefaults, m.gap * 3, y, buttonWidth(), m.rowHeight);
  }

  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    int rows = m.gap * 3 + labelWidth() + 2 * m.gap + 20 * m.charWidth + m.gap + playWidth() + m.gap;
    int top = m.gap * 2 + checkWidth(kSoundOn);
    int w = rows > top ? rows : top;
    int h = m.gap + m.rowHeight + m.gap + kSoundCount * (m.rowHeight + m.gap / 2) + m.gap + m.rowHeight + m.gap;
    return SIZE{w, h};
  }

  bool onMessage(UINT message, WPARAM wp, LPARAM, LRESULT&) override {
    if (message != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    int id = LOWORD(wp);
    if (id == kDefaults) {
      for (int i = 0; i < kSoundCount; ++i) setRow(i, true, str8(kSoundDefaultFiles[i]));
      return true;
    }
    if (id >= kPlayFirst && id < kPlayFirst + kSoundCount) {
      wchar_t text[MAX_PATH] = {};
      GetDlgItemTextW(myPage, kComboFirst + (id - kPlayFirst), text, MAX_PATH);
      previewSound(toAnsi(text));
      return true;
    }
    return false;
  }

 private:
  int checkWidth(int id) const {
    PanelMetrics m = panelMetrics();
    return controlTextWidth(GetDlgItem(myPage, id)) + GetSystemMetrics(SM_CXMENUCHECK) + m.charWidth * 2;
  }
  int labelWidth() const {
    int w = 0;
    for (int i = 0; i < kSoundCount; ++i) {
      int t = checkWidth(kCheckFirst + i);
      if (t > w) w = t;
    }
    return w;
  }
  int playWidth() const {
    PanelMetrics m = panelMetrics();
    return controlTextWidth(GetDlgItem(myPage, kPlayFirst)) + 4 * m.charWidth;
  }
  int buttonWidth() const {
    PanelMetrics m = panelMetrics();
    return controlTextWidth(GetDlgItem(myPage, kDefaults)) + 4 * m.charWidth;
  }

  void fillCombos() {
    ArrT<Str8> files = soundFileOptions();
    for (int i = 0; i < kSoundCount; ++i) {
      HWND combo = GetDlgItem(myPage, kComboFirst + i);
      SendMessageW(combo, CB_RESETCONTENT, 0, 0);
      for (const Str8& f : files) {
        Str16 text = fromAnsi(f);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text)));
      }
    }
  }

  void setFile(int i, const Str8& file) {
    Str16 text = fromAnsi(file.size() ? file : str8("(none)"));
    HWND combo = GetDlgItem(myPage, kComboFirst + i);
    LRESULT at = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide(text)));
    if (at != CB_ERR) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    else SetWindowTextW(combo, wide(text));
  }

  void setRow(int i, bool enabled, const Str8& file) {
    setChecked(myPage, kCheckFirst + i, enabled);
    setFile(i, file);
  }

  HWND myPage = nullptr;
  Str8 myKept[kSoundCount];
};

OptionsPanelRegistration g_registration(kPageSound, []() -> IOptionsPanel* { return new OptPanSound; });

}  // namespace

}  // namespace orv::win
