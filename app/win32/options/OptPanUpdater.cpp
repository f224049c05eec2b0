// The updates page: the periodic check, the proxy the updater connects
// through, and checking now.

#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"

namespace orv::win {

namespace {

enum : int {
  kAutoUpdate = 110,
  kConnectionLabel,
  kNoProxy,  // the three radios in the order of "proxyType", 0 to 2
  kSystemProxy,
  kOwnProxy,
  kProxy,
  kAuthRequired,
  kUserLabel,
  kUser,
  kPasswordLabel,
  kPassword,
  kRunNow,
};

struct TextSetting {
  int id;
  CfgStr* setting;
};
const TextSetting kTexts[] = {
    {kProxy, &cfgUpdaterProxy},
    {kUser, &cfgUpdaterProxyUsername},
    {kPassword, &cfgUpdaterProxyPassword},
};

class OptPanUpdater final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanUpdater"; }
  const char* titleKey() const override { return "updater_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    addCheck(page, kAutoUpdate, L"$autoUpdate");
    addLabel(page, kConnectionLabel, L"$updater_pan_proxy_lbl");
    addRadio(page, kNoProxy, L"$updater_pan_proxy_radio_none", true);
    addRadio(page, kSystemProxy, L"$updater_pan_proxy_radio_auto", false);
    addRadio(page, kOwnProxy, L"$updater_pan_proxy_radio_manual", false);
    addEdit(page, kProxy);
    addCheck(page, kAuthRequired, L"$proxyAuthReq");
    addLabel(page, kUserLabel, L"$proxyUsername");
    addEdit(page, kUser);
    addLabel(page, kPasswordLabel, L"$proxyPassword");
    addEdit(page, kPassword, ES_PASSWORD);
    addButton(page, kRunNow, L"$updater_pan_run_now_btn");
  }

  void load() override {
    setChecked(myPage, kAutoUpdate, cfgUpdaterAutoUpdate.get() > 0);
    const int type = cfgUpdaterProxyType.get();
    for (int t = 0; t < 3; ++t) setChecked(myPage, kNoProxy + t, t == type);
    setChecked(myPage, kAuthRequired, cfgUpdaterProxyAuthReq.get() > 0);
    for (const TextSetting& t : kTexts) setControlText(myPage, t.id, t.setting->get());
    enableProxyFields();
  }

  void apply() override {
    cfgUpdaterAutoUpdate.set(isChecked(myPage, kAutoUpdate) ? 1 : 0);
    for (int t = 0; t < 3; ++t)
      if (isChecked(myPage, kNoProxy + t)) cfgUpdaterProxyType.set(t);
    cfgUpdaterProxyAuthReq.set(isChecked(myPage, kAuthRequired) ? 1 : 0);
    for (const TextSetting& t : kTexts) t.setting->set(controlText(myPage, t.id));
  }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

  bool onMessage(UINT message, WPARAM wp, LPARAM, LRESULT& result) override {
    if (message != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    const int id = LOWORD(wp);
    if (id == kRunNow) {
      // The dialog reads the proxy settings: what the page shows counts
      // only once applied, as everywhere else.
      openUpdateDialog(optionsWindow(), false);
    } else if (id >= kNoProxy && id <= kAuthRequired) {
      enableProxyFields();
    } else {
      return false;
    }
    result = 0;
    return true;
  }

 private:
  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    f.check(kAutoUpdate);
    f.gap();
    f.label(kConnectionLabel);
    f.check(kNoProxy, 1);
    f.check(kSystemProxy, 1);
    f.checkThenField(kOwnProxy, kProxy, 26, 1);
    f.check(kAuthRequired, 2);
    int fieldX = f.labelColumn({kUserLabel, kPasswordLabel}, 3);
    f.labelled(kUserLabel, kUser, fieldX, 20, false, 3);
    f.labelled(kPasswordLabel, kPassword, fieldX, 20, false, 3);
    f.gap();
    f.button(kRunNow);
    return f.extent();
  }

  // The address only for a proxy of one's own; a user name and password
  // for any proxy that asks for them.
  void enableProxyFields() {
    const bool own = isChecked(myPage, kOwnProxy);
    const bool proxy = own || isChecked(myPage, kSystemProxy);
    const bool credentials = proxy && isChecked(myPage, kAuthRequired);
    enableControl(myPage, kProxy, own);
    enableControl(myPage, kAuthRequired, proxy);
    for (int id : {kUserLabel, kUser, kPasswordLabel, kPassword}) enableControl(myPage, id, credentials);
  }

  HWND myPage = nullptr;
};

const OptionsPanelRegistration registration(kPageUpdater, []() -> IOptionsPanel* { return new OptPanUpdater; });

}  // namespace

}  // namespace orv::win
