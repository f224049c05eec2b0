// The options pages' models: the interface language question and the
// appearance copies, against a fresh INI file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Languages.h"
#include "app/OptCommonModel.h"
#include "app/OptViewModel.h"
#include "app/Settings.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

struct Pick {
  int32_t index;
  bool asks;
  bool yes;
};

TEST(OptionsLanguage, NoRestoresTheListAndOnlyAKeptPickIsWrittenOnApply) {
  struct Case {
    const char* name;
    std::vector<const char*> installed;
    const char16_t* current;
    std::vector<Pick> picks;
    int32_t shown;
    const char16_t* written;  // "<missing>": the file is left alone
  };
  const Case cases[] = {
      {"no restores", {"en", "ru", "uk"}, u"en", {{1, true, false}}, 0, u"<missing>"},
      {"yes keeps", {"en", "ru", "uk"}, u"en", {{1, true, true}}, 1, u"ru"},
      {"no after yes keeps the kept pick", {"en", "ru", "uk"}, u"en", {{1, true, true}, {2, true, false}}, 1, u"ru"},
      {"back to the language in use asks nothing", {"en", "ru"}, u"en", {{1, true, true}, {0, false, false}}, 0,
       u"<missing>"},
      {"the same entry again asks nothing", {"en", "ru"}, u"ru", {{1, false, false}}, 1, u"<missing>"},
      {"a culture in use names its language", {"en", "ru-RU"}, u"RU-ru", {{0, true, true}}, 0, u"en"},
      {"another file of the same language", {"en", "en-US", "ru"}, u"en", {{1, false, false}}, 1, u"<missing>"},
      {"a language not installed", {"en", "ru"}, u"de", {{1, true, true}}, 1, u"ru"},
      {"a pick outside the list", {"en", "ru"}, u"en", {{5, false, false}, {-1, false, false}}, 0, u"<missing>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::AppFolder dir;
    ArrT<MyNLS> languages;
    for (const char* name : c.installed) languages.append(localeByName(str8(name)));
    OptCommonModel model;
    model.load(languages, str16(c.current));
    for (const Pick& p : c.picks) {
      EXPECT_EQ(model.pick(p.index), p.asks) << p.index;
      if (p.asks) model.answer(p.yes);
    }
    EXPECT_EQ(model.shown(), c.shown);
    const bool writes = std::u16string_view(c.written) != u"<missing>";
    EXPECT_EQ(model.apply(), writes);
    EXPECT_EQ(dir.iniValue(u"common", u"interface_lang"), c.written);
    EXPECT_FALSE(model.apply());  // written once
  }
}

TEST(OptionsAppearance, EditsReachTheFileOnlyThroughApply) {
  struct Case {
    const char* name;
    int32_t setTransparency, setSizeIndex;  // -1: not edited
    const char16_t* setFont;                // null: not edited
    bool applied;
    int32_t transparency, sizeIndex;
    const char16_t* font;
  };
  const Case cases[] = {
      {"cancelled transparency", 150, -1, nullptr, false, 200, 4, u"Tahoma"},
      {"applied transparency", 150, -1, nullptr, true, 150, 4, u"Tahoma"},
      {"transparency held to its range", 20, -1, nullptr, true, 100, 4, u"Tahoma"},
      {"cancelled size and font", -1, 7, u"Verdana", false, 200, 4, u"Tahoma"},
      {"applied size and font", -1, 12, u"Verdana", true, 200, 8, u"Verdana"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::AppFolder dir;
    test::writeBytes(dir.ini(), "[common]\r\ntransparency=200\r\n");
    OptViewModel model;
    model.load();
    if (c.setTransparency >= 0) model.setTransparency(c.setTransparency);
    if (c.setSizeIndex >= 0) model.setSizeIndex(c.setSizeIndex);
    if (c.setFont) model.setFontName(str16(c.setFont));
    if (c.applied) model.apply();
    forgetAllSettings();  // what the next run reads
    EXPECT_EQ(cfgTransparency.get(), c.transparency);
    EXPECT_EQ(cfgMenuFontSizeIdx.get(), c.sizeIndex);
    EXPECT_EQ(view(cfgMenuFontName.get()), std::u16string_view(c.font));
    model.load();  // the page opened again shows what is stored
    EXPECT_EQ(model.transparency(), c.transparency);
  }
}

}  // namespace
}  // namespace orv
