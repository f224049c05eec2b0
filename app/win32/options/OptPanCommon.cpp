// The general page: the interface language, start with Windows, automatic
// switching, spelling, completion, the least word length and copying with
// the mouse. The language's rule lives in OptCommonModel.

#include "app/AppPaths.h"
#include "app/Languages.h"
#include "app/LocalStr.h"
#include "app/OptCommonModel.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"

namespace orv::win {

namespace {

enum : int {
  kLanguageLabel = 110,
  kLanguageList,
  kAutostart,
  kAutoSwitchSpaceOnly,
  kAutoSwitchPrepos,
  kSpellingSpaceOnly,
  kCompletion,
  kWordLengthLabel,
  kWordLength,
  kCopyByMouse,
};

struct CheckSetting {
  int id;
  CfgInt* setting;
};
const CheckSetting kChecks[] = {
    {kAutostart, &cfgWindowsAutostart},       {kCommonAutoSwitchCheck, &cfgAutoswUse},
    {kAutoSwitchSpaceOnly, &cfgAutoswSpaceOnly}, {kAutoSwitchPrepos, &cfgAutoswPrepos},
    {kCommonSpellingCheck, &cfgOcUse},        {kSpellingSpaceOnly, &cfgOcSpaceOnly},
    {kCompletion, &cfgAcUse},                 {kCopyByMouse, &cfgCopyByLRMouse},
};

class OptPanCommon final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanCommon"; }
  const char* titleKey() const override { return "common_pan_title"; }
  const char* helpPage() const override { return "common.html"; }

  void create(HWND page) override {
    myPage = page;
    addLabel(page, kLanguageLabel, L"$interface_lang");
    addDropList(page, kLanguageList);
    addCheck(page, kAutostart, L"$windows_autostart");
    addCheck(page, kCommonAutoSwitchCheck, L"$autosw_use");
    addCheck(page, kAutoSwitchSpaceOnly, L"$autosw_space_only");
    addCheck(page, kAutoSwitchPrepos, L"$autosw_prepos");
    addCheck(page, kCommonSpellingCheck, L"$oc_use");
    addCheck(page, kSpellingSpaceOnly, L"$oc_space_only");
    addCheck(page, kCompletion, L"$ac_use");
    addLabel(page, kWordLengthLabel, L"$work_start_symbol_cnt");
    addDropList(page, kWordLength);
    addCheck(page, kCopyByMouse, L"$copy_by_l_r_mouse");
  }

  void load() override {
    myModel.load(installedLanguages(modulePath(u"\\lang")), cfgInterfaceLang.get());
    HWND list = GetDlgItem(myPage, kLanguageList);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const MyNLS& language : myModel.languages()) {
      Str16 name = str16(language.nativeName);
      if (name.size() > 0) CharUpperBuffW(reinterpret_cast<wchar_t*>(name.data()), 1);
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.data()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(myModel.shown()), 0);

    HWND rows = GetDlgItem(myPage, kWordLength);
    SendMessageW(rows, CB_RESETCONTENT, 0, 0);
    for (const char16_t* key : {u"work_start_sym_cnt_row_2", u"work_start_sym_cnt_row_3", u"work_start_sym_cnt_row_4"})
      SendMessageW(rows, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LocalStr::get(key)));
    SendMessageW(rows, CB_SETCURSEL, static_cast<WPARAM>(cfgWorkStartSymbolCnt.get() - cfgWorkStartSymbolCnt.minimum()), 0);

    for (const CheckSetting& c : kChecks) setChecked(myPage, c.id, c.setting->get() > 0);
    enableDependents();
  }

  void apply() override {
    for (const CheckSetting& c : kChecks) c.setting->set(isChecked(myPage, c.id) ? 1 : 0);
    LRESULT row = SendDlgItemMessageW(myPage, kWordLength, CB_GETCURSEL, 0, 0);
    if (row != CB_ERR) cfgWorkStartSymbolCnt.set(cfgWorkStartSymbolCnt.minimum() + static_cast<int32_t>(row));
    syncStartupShortcut();
    if (myModel.apply()) requestRestart();
  }

  // The tray may have toggled switching or spelling meanwhile.
  void activate() override { enableDependents(); }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

  bool onMessage(UINT message, WPARAM wp, LPARAM, LRESULT& result) override {
    if (message != WM_COMMAND) return false;
    const int id = LOWORD(wp);
    if (id == kLanguageList && HIWORD(wp) == CBN_SELCHANGE) {
      pickLanguage();
    } else if ((id == kCommonAutoSwitchCheck || id == kCommonSpellingCheck) && HIWORD(wp) == BN_CLICKED) {
      enableDependents();
    } else {
      return false;
    }
    result = 0;
    return true;
  }

 private:
  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    int fieldX = f.labelColumn({kLanguageLabel, kWordLengthLabel});
    f.labelled(kLanguageLabel, kLanguageList, fieldX, 24);
    f.check(kAutostart);
    f.gap();
    f.check(kCommonAutoSwitchCheck);
    f.check(kAutoSwitchSpaceOnly, 1);
    f.check(kAutoSwitchPrepos, 1);
    f.check(kCommonSpellingCheck);
    f.check(kSpellingSpaceOnly, 1);
    f.check(kCompletion);
    f.gap();
    f.labelled(kWordLengthLabel, kWordLength, fieldX, 24);
    f.check(kCopyByMouse);
    return f.extent();
  }

  void pickLanguage() {
    LRESULT index = SendDlgItemMessageW(myPage, kLanguageList, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR && myModel.pick(static_cast<int32_t>(index))) {
      int answer = MessageBoxW(optionsWindow(), wtext(LocalStr::get(u"restart_on_lang_chg_msg_text")),
                               wtext(LocalStr::get(u"restart_on_lang_chg_msg_title")), MB_YESNO | MB_ICONQUESTION);
      myModel.answer(answer == IDYES);
    }
    SendDlgItemMessageW(myPage, kLanguageList, CB_SETCURSEL, static_cast<WPARAM>(myModel.shown()), 0);
  }

  // The "only at a space" and preposition choices mean nothing while their
  // feature is off.
  void enableDependents() {
    const bool switching = isChecked(myPage, kCommonAutoSwitchCheck);
    enableControl(myPage, kAutoSwitchSpaceOnly, switching);
    enableControl(myPage, kAutoSwitchPrepos, switching);
    enableControl(myPage, kSpellingSpaceOnly, isChecked(myPage, kCommonSpellingCheck));
  }

  HWND myPage = nullptr;
  OptCommonModel myModel;
};

const OptionsPanelRegistration registration(kPageCommon, []() -> IOptionsPanel* { return new OptPanCommon; });

}  // namespace

}  // namespace orv::win
