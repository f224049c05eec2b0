// The transliteration page: one radio button per language whose layout has
// tables, and one to switch transliteration off. The choice is made through
// the keyboard engine, so that it holds from the next selection on.
//
// The setting's automatic value ("?") gets no button of its own: the engine
// turns it into the language it found at start-up, so the button would
// never stay selected.

#include "app/Languages.h"
#include "app/LocalStr.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/PanelKit.h"

namespace orv::win {

namespace {

enum : int { kHint = 110, kNone, kFirstLanguage };

class OptPanTranslit final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanTranslit"; }
  const char* titleKey() const override { return "translit_pan_title"; }
  const char* helpPage() const override { return "translit.html"; }

  void create(HWND page) override {
    myPage = page;
    addLabel(page, kHint, L"$translit_pan_hint");
    addRadio(page, kNone, L"$translit_radio_none", true);
  }

  void load() override {
    int32_t active = -1;
    ArrT<Str8> languages = keyboardTranslitLanguages(active);
    // Layouts come and go while the program runs: the buttons follow.
    if (languages != myLanguages) {
      for (int32_t i = 0; i < myLanguages.size(); ++i) DestroyWindow(GetDlgItem(myPage, kFirstLanguage + i));
      myLanguages = languages;
      for (int32_t i = 0; i < myLanguages.size(); ++i)
        addRadio(myPage, kFirstLanguage + i, reinterpret_cast<const wchar_t*>(displayName(myLanguages[i]).data()), false);
      layout(0, 0);
    }
    myActive = active;
    setChecked(myPage, kNone, active < 0);
    for (int32_t i = 0; i < myLanguages.size(); ++i) setChecked(myPage, kFirstLanguage + i, i == active);
  }

  void apply() override {
    int32_t chosen = -1;
    for (int32_t i = 0; i < myLanguages.size(); ++i)
      if (isChecked(myPage, kFirstLanguage + i)) chosen = i;
    if (chosen == myActive) return;
    keyboardSetTranslit(chosen < 0 ? str8("*") : myLanguages[chosen]);
    load();
  }

  void layout(int, int) override { flow(true); }
  SIZE minimumSize() const override { return flow(false); }

 private:
  static Str16 displayName(const Str8& language) {
    MyNLS record = localeByName(language);
    Str16 name = record.lcid ? str16(record.nativeName) : Str16();
    if (name.size() == 0) return utf8ToUtf16(view(language));
    CharUpperBuffW(reinterpret_cast<wchar_t*>(name.data()), 1);
    return name;
  }

  SIZE flow(bool place) const {
    RowFlow f(myPage, place);
    f.label(kHint);
    for (int32_t i = 0; i < myLanguages.size(); ++i) f.check(kFirstLanguage + i, 1);
    f.check(kNone, 1);
    return f.extent();
  }

  HWND myPage = nullptr;
  ArrT<Str8> myLanguages;
  int32_t myActive = -1;
};

const OptionsPanelRegistration registration(kPageTranslit, []() -> IOptionsPanel* { return new OptPanTranslit; });

}  // namespace

}  // namespace orv::win
