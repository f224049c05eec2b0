// The built-in locale table against the system's own locale data, record by
// record, for every record the system knows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/Str.h"
#include "language/Locale.h"

#ifndef LOCALE_SENGLISHDISPLAYNAME
#define LOCALE_SENGLISHDISPLAYNAME 0x72
#endif
#ifndef LOCALE_SNATIVEDISPLAYNAME
#define LOCALE_SNATIVEDISPLAYNAME 0x73
#endif

namespace orv {
namespace {

bool isNeutral(uint32_t lcid) { return lcid < 0x400 || lcid == 0x7C04 || lcid == 0x7C1A; }

// Neutral locales are asked by name; asked by identifier the system answers
// for the specific default locale.
std::u16string sysInfo(const MyNLS& r, LCTYPE type) {
  wchar_t buf[256] = {};
  int ok;
  if (isNeutral(r.lcid)) {
    Str16 name = utf8ToUtf16(r.culture);
    ok = GetLocaleInfoEx(reinterpret_cast<const wchar_t*>(name.data()), type, buf, 256);
  } else {
    ok = GetLocaleInfoW(r.lcid, type, buf, 256);
  }
  if (!ok) return u"";
  return std::u16string(reinterpret_cast<const char16_t*>(buf));
}

std::string ascii(const std::u16string& w) {
  std::string out;
  for (char16_t c : w) out += (c == 0x02BC || c == 0x2019) ? '\'' : (c < 0x20 || c > 0x7E) ? '?' : char(c);
  return out;
}

TEST(LocaleTableOnWindows, MatchesTheSystemForEveryKnownRecord) {
  int compared = 0, unknown = 0;
  for (int32_t i = 0; i < localeTableSize(); ++i) {
    const MyNLS& r = localeTable()[i];
    SCOPED_TRACE(r.culture);
    std::u16string display = sysInfo(r, LOCALE_SENGLISHDISPLAYNAME);
    if (display.empty()) {
      ++unknown;  // Serbia and Montenegro's former locales are no longer in the system's data
      continue;
    }
    ++compared;
    // Kazakh keeps its former code pages where the system now says 0.
    std::string ansi = ascii(sysInfo(r, LOCALE_IDEFAULTANSICODEPAGE));
    std::string oem = ascii(sysInfo(r, LOCALE_IDEFAULTCODEPAGE));
    if (std::string(r.language) == "kk" && ansi == "0") {
      EXPECT_EQ(r.ansiCodePage, 1251u);
      EXPECT_EQ(r.oemCodePage, 866u);
    } else {
      EXPECT_EQ(std::to_string(r.ansiCodePage), ansi);
      EXPECT_EQ(std::to_string(r.oemCodePage), oem);
    }
    EXPECT_EQ(r.region3, ascii(sysInfo(r, LOCALE_SISO3166CTRYNAME2)));
    EXPECT_EQ(r.windowsAbbrev, ascii(sysInfo(r, LOCALE_SABBREVLANGNAME)));
    EXPECT_EQ(r.englishDisplay, ascii(display));
    EXPECT_EQ(r.englishLanguage, ascii(sysInfo(r, LOCALE_SENGLISHLANGUAGENAME)));
    std::u16string native = sysInfo(r, LOCALE_SNATIVEDISPLAYNAME).substr(0, 49);
    EXPECT_EQ(std::u16string(r.nativeName), native);
    // Culture names: the table keeps the older names of a few locales that
    // the system renamed (wee-DE, wen-DE, qut-GT); every other name matches.
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (!isNeutral(r.lcid) && LCIDToLocaleName(r.lcid, name, LOCALE_NAME_MAX_LENGTH, 0)) {
      std::string sys = ascii(reinterpret_cast<const char16_t*>(name));
      std::string c = r.culture;
      if (c != "wee-DE" && c != "wen-DE" && c != "qut-GT") {
        EXPECT_EQ(c, sys);
      }
    }
  }
  EXPECT_GE(compared, 225);
  EXPECT_LE(unknown, 2);
}

}  // namespace
}  // namespace orv
