// The clipboard page: how the middle button opens the clipboard menu, how
// many fragments and notes it shows and where, its hotkey (shared with the
// shortcuts page), and clearing the history.

#include "app/LocalStr.h"
#include "app/ProgramStores.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/HotkeyEntry.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"
#include "clipboard/History.h"

namespace orv::win {

namespace {

enum : int {
  kMiddleLabel = 110,
  kMiddle,
  kItemsLabel,
  kItems,  // + 1: its arrows
  kNotesLabel = kItems + 2,
  kNotes,
  kMoreLabel = kNotes + 2,
  kMore,
  kClipboardFirst = kMore + 2,
  kClipboardAsSub,
  kNotesAsSub,
  kHotkeyLabel,
  kHotkey,
  kClearHistory,
};

struct NumberSetting {
  int labelId, id;
  CfgInt* setting;
};
const NumberSetting kNumbers[] = {
    {kItemsLabel, kItems, &cfgMaxItems1},
    {kNotesLabel, kNotes, &cfgMaxNotes1},
    {kMoreLabel, kMore, &cfgMaxItemsMore},
};

struct CheckSetting {
  int id;
  CfgInt* setting;
};
const CheckSetting kChecks[] = {
    {kClipboardFirst, &cfgMenuClpbrdFirst},
    {kClipboardAsSub, &cfgMenuClpbrdAsSub},
    {kNotesAsSub, &cfgMenuNotesAsSub},
};

constexpr const char* kClipboardMenuHotkey = "!!clipboard_menu";

class OptPanClipboard final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanClipboard"; }
  const char* titleKey() const override { return "clipbrd_pan_title"; }
  const char* helpPage() const override { return "clipboard.html"; }

  void create(HWND page) override {
    myPage = page;
    addLabel(page, kMiddleLabel, L"$mid_btn_modifiers");
    addDropList(page, kMiddle);
    addLabel(page, kItemsLabel, L"$max_items1");
    addLabel(page, kNotesLabel, L"$max_notes1");
    addLabel(page, kMoreLabel, L"$max_items_more");
    for (const NumberSetting& n : kNumbers) addNumber(page, n.id, n.setting->minimum(), n.setting->maximum());
    addCheck(page, kClipboardFirst, L"$menu_clpbrd_first");
    addCheck(page, kClipboardAsSub, L"$menu_clpbrd_as_sub");
    addCheck(page, kNotesAsSub, L"$menu_notes_as_sub");
    addLabel(page, kHotkeyLabel, L"$clipbrd_pan_hotkey_lbl");
    myHotkey = createHotkeyEntry(page, kHotkey, kClipboardMenuHotkey);
    addButton(page, kClearHistory, L"$clipbrd_pan_clear_hist_btn");
  }

  void load() override {
    HWND rows = GetDlgItem(myPage, kMiddle);
    SendMessageW(rows, CB_RESETCONTENT, 0, 0);
    for (const char16_t* key : {u"clipbrd_pan_modi_row_none", u"clipbrd_pan_modi_row_pure", u"clipbrd_pan_modi_row_alt"})
      SendMessageW(rows, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LocalStr::get(key)));
    SendMessageW(rows, CB_SETCURSEL, static_cast<WPARAM>(cfgMidBtnModifiers.get()), 0);
    for (const NumberSetting& n : kNumbers) setNumber(myPage, n.id, n.setting->get());
    for (const CheckSetting& c : kChecks) setChecked(myPage, c.id, c.setting->get() > 0);
    loadHotkeyEdits();
    refreshHotkeyEntry(myHotkey);
  }

  void apply() override {
    LRESULT row = SendDlgItemMessageW(myPage, kMiddle, CB_GETCURSEL, 0, 0);
    if (row != CB_ERR) cfgMidBtnModifiers.set(static_cast<int32_t>(row));
    for (const NumberSetting& n : kNumbers) {
      int value = 0;
      // An emptied field keeps the stored number; the setting holds the rest
      // to its range, and the field shows what was kept.
      if (getNumber(myPage, n.id, value)) n.setting->set(value);
      setNumber(myPage, n.id, n.setting->get());
    }
    for (const CheckSetting& c : kChecks) c.setting->set(isChecked(myPage, c.id) ? 1 : 0);
    applyHotkeyEdits();
    theHistory().setCapacity(cfgMaxItems1.get() + cfgMaxItemsMore.get());
  }

  // The shortcuts page may have changed the same hotkey.
  void shown() override { refreshHotkeyEntry(myHotkey); }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

  bool onMessage(UINT message, WPARAM wp, LPARAM, LRESULT& result) override {
    if (message != WM_COMMAND || LOWORD(wp) != kClearHistory || HIWORD(wp) != BN_CLICKED) return false;
    clearHistory();
    result = 0;
    return true;
  }

 private:
  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    int fieldX = f.labelColumn({kMiddleLabel, kItemsLabel, kNotesLabel, kMoreLabel, kHotkeyLabel});
    f.labelled(kMiddleLabel, kMiddle, fieldX, 28);
    f.gap();
    for (const NumberSetting& n : kNumbers) f.labelled(n.labelId, n.id, fieldX, 6, true);
    f.gap();
    for (const CheckSetting& c : kChecks) f.check(c.id);
    f.gap();
    f.labelled(kHotkeyLabel, kHotkey, fieldX, 24);
    f.gap();
    f.button(kClearHistory);
    return f.extent();
  }

  // At once, not on Apply: it is an action, asked for first, and saved as
  // every change of the history is.
  void clearHistory() {
    int answer = MessageBoxW(optionsWindow(), wtext(LocalStr::get(u"clipbrd_pan_clear_hist_msg_text")),
                             wtext(LocalStr::get(u"clipbrd_pan_title")), MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES && theHistory().clearHistory()) saveProgramStores();
  }

  HWND myPage = nullptr;
  HWND myHotkey = nullptr;
};

const OptionsPanelRegistration registration(kPageClipboard, []() -> IOptionsPanel* { return new OptPanClipboard; });

}  // namespace

}  // namespace orv::win
