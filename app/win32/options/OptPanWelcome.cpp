// The welcome page: the start page of the help, inside the page.

#include "app/win32/options/HelpViewer.h"
#include "app/win32/options/OptionsPanel.h"

namespace orv::win {

namespace {

constexpr int kStartText = 100;

class OptPanWelcome final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanWelcome"; }
  const char* titleKey() const override { return "welcome_pan_title"; }
  void load() override {
    // The page follows the interface language, which is only read at start.
    if (myLoaded) return;
    myLoaded = true;
    fillHelpField(myField, "start.html");
  }
  void apply() override {}
  void create(HWND page) override { myField = createHelpField(page, kStartText); }
  void layout(int width, int height) override { MoveWindow(myField, 0, 0, width, height, TRUE); }
  SIZE minimumSize() const override { return {0, 0}; }
  bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lp) != myField) return false;
    result = helpFieldColors(wp);
    return true;
  }

 private:
  HWND myField = nullptr;
  bool myLoaded = false;
};

const OptionsPanelRegistration kRegistration(kPageWelcome, [] { return static_cast<IOptionsPanel*>(new OptPanWelcome); });

}  // namespace

}  // namespace orv::win
