// Setting objects against the INI file (natively through the Linux INI
// engine, under Wine through the real profile functions), and the options
// pages' models over them: the interface language question and the
// appearance copies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Cfg.h"
#include "app/IniSection.h"
#include "app/Languages.h"
#include "app/OptCommonModel.h"
#include "app/OptViewModel.h"
#include "app/Settings.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

using test::AppFolder;
using test::readBytes;
using test::writeBytes;

TEST(Settings, AFreshFolderFillsWithEveryDefaultAndReadsBackTheSame) {
  AppFolder dir;
  for (CfgBase* c = CfgBase::first(); c; c = c->next()) c->load();
  std::string first = readBytes(dir.ini());
  int keys = 0;
  for (char c : first) keys += c == '=';
  EXPECT_EQ(keys, kSettingCount);

  EXPECT_EQ(dir.iniValue(u"common", u"devel"), u"<missing>");  // never written

  forgetAllSettings();  // the next run of the program
  for (CfgBase* c = CfgBase::first(); c; c = c->next()) {
    if (auto* i = dynamic_cast<CfgInt*>(c)) {
      EXPECT_EQ(i->get(), i->defaultValue()) << utf16ToUtf8(i->key());  // as read back from the file
    } else if (auto* s = dynamic_cast<CfgStr*>(c)) {
      EXPECT_EQ(view(s->get()), std::u16string_view(s->defaultText())) << utf16ToUtf8(s->key());
    }
  }
  EXPECT_EQ(readBytes(dir.ini()), first);
}

TEST(Settings, NumbersAreClampedOnReadingAndTheFileIsLeftAlone) {
  AppFolder dir;
  writeBytes(dir.ini(), "[common]\r\ntransparency=50\r\nwork_start_symbol_cnt=abc\r\nmenu_font_size_idx=7px\r\n");
  EXPECT_EQ(cfgTransparency.get(), 100);
  EXPECT_EQ(cfgMenuFontSizeIdx.get(), 7);
  EXPECT_EQ(readBytes(dir.ini()), "[common]\r\ntransparency=50\r\nwork_start_symbol_cnt=abc\r\nmenu_font_size_idx=7px\r\n");
  EXPECT_EQ(cfgWorkStartSymbolCnt.get(), 3);  // letters only: the default, written back
  EXPECT_EQ(dir.iniValue(u"common", u"work_start_symbol_cnt"), u"3");

  cfgTransparency.set(999);
  EXPECT_EQ(cfgTransparency.get(), 255);
  EXPECT_EQ(dir.iniValue(u"common", u"transparency"), u"255");
  writeBytes(dir.ini(), "[common]\r\ntransparency=200\r\n");
  EXPECT_EQ(cfgTransparency.get(), 255);  // read once: later edits wait for the next start
}

TEST(Settings, ChangesAreWrittenAtOnceAndOnlyWhenTheyChangeSomething) {
  AppFolder dir;
  const char kHand[] = "[common]\r\n  oc_use = 1 \r\n\r\n; mine\r\n";
  writeBytes(dir.ini(), kHand);
  EXPECT_EQ(cfgOcUse.get(), 1);
  cfgOcUse.set(1);
  EXPECT_EQ(readBytes(dir.ini()), kHand);  // nothing written, so the file keeps its form
  cfgOcUse.toggle();
  EXPECT_EQ(cfgOcUse.get(), 0);
  EXPECT_EQ(readBytes(dir.ini()), "[common]\r\noc_use=0\r\n; mine\r\n");
  cfgOcUse.set(-5);  // clamped to 0: unchanged, nothing written
  cfgOcUse.toggle();
  EXPECT_EQ(cfgOcUse.get(), 1);

  // A set before any get writes even the default.
  cfgSoundOn.set(0);
  EXPECT_EQ(dir.iniValue(u"common", u"sound_on"), u"0");
}

TEST(Settings, TextsAreTrimmedKeptAtAnyLengthAndWrittenInTheFilesCodePage) {
  AppFolder dir;
  writeBytes(dir.ini(), "[common]\r\ninterface_lang=\r\n");
  EXPECT_EQ(view(cfgInterfaceLang.get()), u"");  // empty counts as missing
  EXPECT_EQ(readBytes(dir.ini()), "[common]\r\ninterface_lang=\r\n");

  cfgMenuFontName.set(u"Courier New   ");
  EXPECT_EQ(view(cfgMenuFontName.get()), u"Courier New");
  EXPECT_EQ(dir.iniValue(u"common", u"menu_font_name"), u"Courier New");
  cfgMenuFontName.set(nullptr);
  EXPECT_EQ(view(cfgMenuFontName.get()), u"");

  const std::string longProxy = std::string(2500, 'p') + ":3128";
  writeBytes(dir.ini(), "[updater]\r\nproxy=" + longProxy + "\r\n");
  EXPECT_EQ(utf16ToUtf8(cfgUpdaterProxy.get()), longProxy);

  cfgUpdaterProxyUsername.set(u"\u0418\u0432\u0430\u043D");  // not in the ANSI page of a new (ANSI) file
  EXPECT_EQ(view(cfgUpdaterProxyUsername.get()), u"\u0418\u0432\u0430\u043D");  // memory keeps it
  EXPECT_EQ(dir.iniValue(u"updater", u"proxyUsername"), u"????");
}

TEST(Settings, DevelIsReadOnceAndOnlyOneMeansOn) {
  AppFolder dir;
  EXPECT_FALSE(develMode());
  EXPECT_EQ(readBytes(dir.ini()), "");
  writeBytes(dir.ini(), "[common]\r\ndevel=1\r\n");
  EXPECT_FALSE(develMode());  // cached
  for (const char* v : {"1", " 1 ", "11", "yes", "0"}) {
    forgetDevelMode();
    writeBytes(dir.ini(), std::string("[common]\r\ndevel=") + v + "\r\n");
    EXPECT_EQ(develMode(), std::string(v) == "1" || std::string(v) == " 1 ") << v;
  }
}

TEST(Settings, LeadingNumbersAreReadAndHeldToTheIntegerRange) {
  const struct {
    const char16_t* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {u"  -12x", true, -12},
      {u"+7", true, 7},
      {u"99999999999", true, INT32_MAX},
      {u"18446744073709551617", true, INT32_MAX},  // 2^64 + 1: would wrap in 64 bits
      {u"-18446744073709551617", true, INT32_MIN},
      {u"x1", false, 0},
      {u"-", false, 0},
      {u"", false, 0},
  };
  for (const auto& c : cases) {
    int32_t v = 0;
    EXPECT_EQ(parseLeadingInt(c.text, v), c.ok) << utf16ToUtf8(c.text);
    if (c.ok) { EXPECT_EQ(v, c.value) << utf16ToUtf8(c.text); }
  }
}

TEST(IniSections, ReadAndWrittenWholeThroughTheGrowingBuffer) {
  AppFolder dir;
  ArrT<IniLine> lines;
  for (int i = 0; i < 1500; ++i) lines.append(IniLine{str8("app" + std::to_string(i) + ".exe"), str8(std::to_string(i)), true});
  lines.append(IniLine{str8(""), str8("5"), true});  // no name: not written
  ASSERT_TRUE(writeIniSection("exe_mark", lines));
  ArrT<IniLine> back = readIniSection("exe_mark");  // about 20000 bytes
  ASSERT_EQ(back.size(), 1500);
  EXPECT_EQ(view(back[1499].name), "app1499.exe");
  EXPECT_EQ(iniNumber(back[1499].value), 1499);

  writeBytes(dir.ini(), "[hotkey]\r\n!!exit=1657\r\nno equals\r\ntranslit=abc\r\n");
  back = readIniSection("hotkey");
  ASSERT_EQ(back.size(), 3);
  EXPECT_TRUE(back[0].hasValue);
  EXPECT_FALSE(back[1].hasValue);
  EXPECT_EQ(view(back[1].name), "no equals");
  EXPECT_EQ(iniNumber(back[2].value), 0);
  EXPECT_EQ(iniNumber(str8("-12abc")), -12);
  EXPECT_EQ(readIniSection("missing").size(), 0);
}

struct Pick {
  int32_t index;
  bool asks, yes;
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
