// The installed interface languages and the user's language, on both builds.
#include <gtest/gtest.h>

#include <string>

#include "app/Languages.h"
#include "app/Settings.h"
#include "app/UserLanguage.h"
#include "platform/FileSys.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

std::string cultures(const ArrT<MyNLS>& list) {
  std::string s;
  for (const MyNLS& r : list) s += std::string(s.empty() ? "" : " ") + r.culture;
  return s;
}

TEST(InstalledLanguages, SortedFileNamesUpToTheFirstThatNamesNoLocale) {
  test::ScratchFolder dir;
  for (const char16_t* f : {u"ru.lng", u"EN.lng", u"en-US.lng", u"uk.LNG", u"notes.txt"}) test::writeBytes(dir.file(f), "");
  createFolder(dir.file(u"de.lng"));  // a folder is no language file
  EXPECT_EQ(cultures(installedLanguages(dir.path())), "en en-US ru uk");
  test::writeBytes(dir.file(u"readme.lng"), "");  // sorts between "en-us" and "ru"
  ArrT<MyNLS> list = installedLanguages(dir.path());
  EXPECT_EQ(cultures(list), "en en-US");
  EXPECT_EQ(installedLanguages(dir.file(u"missing")).size(), 0);
}

TEST(UserLanguageChoice, RecordOfTheLanguageOrEnglish) {
  UserLanguage ru = userLanguageFor(0x419);
  EXPECT_EQ(view(ru.isoName), "ru");
  EXPECT_EQ(view(ru.cultureName), "ru-RU");
  EXPECT_EQ(ru.ansiCodePage, 1251u);
  UserLanguage none = userLanguageFor(0x7F7F);
  EXPECT_EQ(none.langId, 1033u);
  EXPECT_EQ(view(none.cultureName), "en-US");
}

TEST(UserLanguageChoice, FillsAnEmptyInterfaceLanguage) {
  test::AppFolder dir;
  const UserLanguage& user = chooseInterfaceLanguage();
  EXPECT_EQ(utf16ToUtf8(cfgInterfaceLang.get()), std::string(view(user.isoName)));
  cfgInterfaceLang.set(u"uk");
  chooseInterfaceLanguage();
  EXPECT_EQ(utf16ToUtf8(cfgInterfaceLang.get()), "uk");
}

}  // namespace
}  // namespace orv
