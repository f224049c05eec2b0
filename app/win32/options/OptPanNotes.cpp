// The notes page: the key that expands a typed note abbreviation.

#include "app/Settings.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"

namespace orv::win {

namespace {

enum : int { kExpandLabel = 110, kFirstKey };

// In the order of the setting's values, 0 to 3.
const wchar_t* const kKeys[] = {L"$notes_pan_acompl_none", L"$notes_pan_acompl_space", L"$notes_pan_acompl_tab",
                                L"$notes_pan_acompl_enter"};
constexpr int kKeyCount = static_cast<int>(sizeof kKeys / sizeof kKeys[0]);

class OptPanNotes final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanNotes"; }
  const char* titleKey() const override { return "notes_pan_title"; }
  const char* helpPage() const override { return "notes.html"; }

  void create(HWND page) override {
    myPage = page;
    addLabel(page, kExpandLabel, L"$autocomplete");
    for (int i = 0; i < kKeyCount; ++i) addRadio(page, kFirstKey + i, kKeys[i], i == 0);
  }

  void load() override {
    const int chosen = cfgAutocomplete.get();
    for (int i = 0; i < kKeyCount; ++i) setChecked(myPage, kFirstKey + i, i == chosen);
  }

  void apply() override {
    for (int i = 0; i < kKeyCount; ++i)
      if (isChecked(myPage, kFirstKey + i)) cfgAutocomplete.set(i);
  }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

 private:
  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    f.label(kExpandLabel);
    for (int i = 0; i < kKeyCount; ++i) f.check(kFirstKey + i, 1);
    return f.extent();
  }

  HWND myPage = nullptr;
};

const OptionsPanelRegistration registration(kPageNotes, []() -> IOptionsPanel* { return new OptPanNotes; });

}  // namespace

}  // namespace orv::win
