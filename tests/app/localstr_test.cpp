// Language files, the table of interface texts, the installed interface
// languages and the user's language, on both builds.
#include <gtest/gtest.h>

#include <string>

#include "app/Languages.h"
#include "app/LocalStr.h"
#include "app/Settings.h"
#include "app/UserLanguage.h"
#include "platform/FileSys.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

struct LangFolder : ScratchFolder {
  LangFolder() { createFolder(lang()); }
  Str16 lang() const { return file(u"lang"); }
  Str16 lng(std::u16string_view name) const { return file(u"lang\\" + std::u16string(name) + u".lng"); }
  LocalStr::Sources sources(const char* interfaceLang, const char* iso = "de", const char* culture = "de-DE") const {
    return LocalStr::Sources{lang(), utf8ToUtf16(interfaceLang), str8(iso), str8(culture)};
  }
};

std::u16string text(LocalStr& t, std::u16string_view key) { return t.text(key); }

TEST(LanguageFile, EachLineIsAKeyAndItsTextWithEscapesTheLastOneWinning) {
  LangFolder dir;
  std::string longLine = "long=" + std::string(1200, 'x') + "\n";
  writeBytes(dir.lng(u"en"),
             "\xEF\xBB\xBF"
             "apply\t\t\t=Apply\n"
             "enter_digits_title =Test\r\n"
             "# commented=x\n"
             " indented=x\n"
             "9digit=x\n"
             "restart_on_lang_chg_msg_text=You change your language interface. \\nRestart Orvanta?\n"
             "noequals\n"
             "emptytext=\n"
             "spaces=  kept  \n"
             "esc=a\\\\b\\tc\\qd\\\n"
             "ru_text=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\n"
             "dup=first\n"
             "dup=second\n" +
                 longLine + "last=no newline");
  LocalStr t([&] { return dir.sources("en"); });
  EXPECT_EQ(text(t, u"apply"), u"Apply");
  EXPECT_EQ(text(t, u"enter_digits_title"), u"Test");
  EXPECT_EQ(text(t, u"restart_on_lang_chg_msg_text"), u"You change your language interface. \nRestart Orvanta?");
  EXPECT_EQ(text(t, u"spaces"), u"  kept  ");
  EXPECT_EQ(text(t, u"esc"), u"a\\b\tcqd");
  EXPECT_EQ(text(t, u"ru_text"), u"\u041F\u0440\u0438\u0432\u0435\u0442");
  EXPECT_EQ(text(t, u"dup"), u"second");
  EXPECT_EQ(text(t, u"long"), std::u16string(994, u'x'));  // the rest of the line is a line of its own
  EXPECT_EQ(text(t, u"last"), u"no newline");
  EXPECT_FALSE(t.changed());
  for (const char16_t* missing : {u"commented", u"indented", u"9digit", u"noequals", u"emptytext"})
    EXPECT_EQ(text(t, missing), u"?" + std::u16string(missing));
  EXPECT_TRUE(t.changed());
  EXPECT_EQ(text(t, u""), u"");
}

TEST(LanguageFile, MissingKeysAreCollectedAndSavedInKeyOrder) {
  LangFolder dir;
  writeBytes(dir.lng(u"en"), "b_key=B\nz_key=Z\n");
  writeBytes(dir.lng(u"xx"), "b_key=Bx\n# a comment that goes\nmulti=one\\ntwo\\\\three\ttab\n");
  LocalStr t([&] { return dir.sources("xx"); });
  EXPECT_EQ(text(t, u"b_key"), u"Bx");
  const char16_t* first = t.text(u"a_new");  // not in English either
  EXPECT_EQ(text(t, u"z_key"), u"Z");             // shown in English, kept for the translator
  for (int i = 0; i < 300; ++i) {
    std::string key(1, 'k');  // not "k" + std::string: a false -Wrestrict of GCC 12 at -O3
    t.text(utf8ToUtf16(key += std::to_string(i)).data());
  }
  EXPECT_EQ(std::u16string(first), u"?a_new");  // texts handed out stay valid
  t.saveChanges();
  EXPECT_FALSE(t.changed());
  std::string saved = readBytes(dir.lng(u"xx"));
  const std::string head = "a_new=?a_new\r\nb_key=Bx\r\nk0=?k0\r\nk1=?k1\r\nk10=?k10\r\nk100=?k100\r\n";
  EXPECT_EQ(saved.substr(0, head.size()), head);
  EXPECT_NE(saved.find("multi=one\\ntwo\\\\three\\ttab\r\n"), std::string::npos);
  EXPECT_NE(saved.find("z_key=?z_key\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("comment"), std::string::npos);

  // The next run reads the placeholders back and still shows English.
  LocalStr next([&] { return dir.sources("xx"); });
  EXPECT_EQ(text(next, u"z_key"), u"Z");
  EXPECT_EQ(text(next, u"a_new"), u"?a_new");
  EXPECT_FALSE(next.changed());
}

TEST(LanguageFile, FileChoiceAndTheEnglishFallback) {
  LangFolder dir;
  LocalStr none([&] { return dir.sources("en", "en", "en-US"); });
  EXPECT_EQ(text(none, u"apply"), u"?apply");  // no file at all: every text is its key, marked
  EXPECT_TRUE(none.changed());
  writeBytes(dir.lng(u"en"), "apply=Apply\n");
  writeBytes(dir.lng(u"ru"), "apply=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C\n");
  writeBytes(dir.lng(u"pt-BR"), "apply=Aplicar\n");

  LocalStr chosen([&] { return dir.sources("ru"); });
  EXPECT_EQ(text(chosen, u"apply"), u"\u041F\u0440\u0438\u043C\u0435\u043D\u0438\u0442\u044C");

  LocalStr byCulture([&] { return dir.sources("", "pt", "pt-BR"); });
  EXPECT_EQ(text(byCulture, u"apply"), u"Aplicar");
  EXPECT_EQ(view(byCulture.savePath()), view(dir.lng(u"pt-BR")));

  // Neither the setting's language nor the user's has a file.
  {
    LocalStr english([&] { return dir.sources("fr", "de", "de-DE"); });
    EXPECT_EQ(text(english, u"apply"), u"Apply");
    EXPECT_EQ(text(english, u"brand_new"), u"?brand_new");
    english.saveChanges();  // nowhere to save: the English file stays as shipped
  }
  EXPECT_EQ(readBytes(dir.lng(u"en")), "apply=Apply\n");
  EXPECT_TRUE(fileExists(dir.lng(u"de")));
  EXPECT_EQ(readBytes(dir.lng(u"de")), "");

  // The next start finds the empty German file: English is shown, and the
  // keys used are collected there for a translator.
  LocalStr german([&] { return dir.sources("fr", "de", "de-DE"); });
  EXPECT_EQ(text(german, u"apply"), u"Apply");
  german.saveChanges();
  EXPECT_EQ(readBytes(dir.lng(u"de")), "apply=?apply\r\n");
}

std::string cultures(const ArrT<MyNLS>& list) {
  std::string s;
  for (const MyNLS& r : list) s += std::string(s.empty() ? "" : " ") + r.culture;
  return s;
}

TEST(InstalledLanguages, SortedFileNamesUpToTheFirstThatNamesNoLocale) {
  ScratchFolder dir;
  for (const char16_t* f : {u"ru.lng", u"EN.lng", u"en-US.lng", u"uk.LNG", u"notes.txt"}) writeBytes(dir.file(f), "");
  createFolder(dir.file(u"de.lng"));  // a folder is no language file
  EXPECT_EQ(cultures(installedLanguages(dir.path())), "en en-US ru uk");
  writeBytes(dir.file(u"readme.lng"), "");  // sorts between "en-us" and "ru"
  EXPECT_EQ(cultures(installedLanguages(dir.path())), "en en-US");
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
