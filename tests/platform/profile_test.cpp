// INI scenarios of the profile port. Built into both test programs: natively
// they run against the Linux shell's INI engine, under Wine against the real
// profile functions; both must produce the same answers and the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "platform/Profile.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

struct Read {
  uint32_t ret;
  std::u16string text;
  bool operator==(const Read&) const = default;
};
void PrintTo(const Read& r, std::ostream* os) { *os << r.ret << " \"" << utf16ToUtf8(r.text) << '"'; }

Read get(const Str16& path, const char16_t* section, const char16_t* key, const char16_t* def = u"",
         uint32_t size = 100) {
  std::u16string buf(size + 1, u'#');
  uint32_t n = getProfileString(section, key, def, buf.data(), size, path);
  return {n, std::u16string(buf.c_str())};
}

std::string section(const Str8& path, const char* name, uint32_t size, uint32_t* ret) {
  std::string buf(size + 2, '#');
  *ret = getProfileSectionA(name, buf.data(), size, path);
  return buf.substr(0, size);
}

// Both builds run on little-endian x86.
std::string u16le(std::u16string_view s) { return std::string(reinterpret_cast<const char*>(s.data()), 2 * s.size()); }

const char kHandWritten[] =
    "; settings\r\n"
    "\r\n"
    "  [ Common ]  \r\n"
    "  Key1 =  value with spaces   \r\n"
    "key1=second\r\n"
    "quoted=\"  in quotes  \"\r\n"
    "single='x'\r\n"
    "half=\"abc\r\n"
    "noequals\r\n"
    "\tempty =\r\n"
    "[common]\r\n"
    "key2=from the second section\n"
    "[other]\r"
    "k=v";

struct ProfilePort : ::testing::Test {
  ScratchFolder dir;
  Str16 handWritten() {
    writeBytes(dir.file(u"hand.ini"), kHandWritten);
    return dir.file(u"hand.ini");
  }
};

TEST_F(ProfilePort, FirstWriteCreatesTheFileAndLaterWritesAppendOrReplace) {
  Str16 ini = dir.file(u"Orvanta.ini");
  EXPECT_EQ(get(ini, u"common", u"oc_use", u"7").text, u"7");
  EXPECT_EQ(readBytes(ini), "");  // reading creates nothing

  ASSERT_TRUE(writeProfileString(u"common", u"oc_use", u"1", ini));
  EXPECT_EQ(readBytes(ini), "[common]\r\noc_use=1\r\n");
  ASSERT_TRUE(writeProfileString(u"common", u"sound_on", u"0", ini));
  ASSERT_TRUE(writeProfileString(u"updater", u"proxy", u"", ini));
  ASSERT_TRUE(writeProfileString(u"COMMON", u"OC_USE", u"  0", ini));  // leading blanks are dropped
  EXPECT_EQ(readBytes(ini), "[common]\r\noc_use=0\r\nsound_on=0\r\n[updater]\r\nproxy=\r\n");

  EXPECT_EQ(get(ini, u"updater", u"proxy", u"x"), (Read{0, u""}));

  // New names keep what was asked for, less the leading blanks.
  ASSERT_TRUE(writeProfileString(u" hkl ", u" order ", u"x", ini));
  EXPECT_EQ(readBytes(ini), "[common]\r\noc_use=0\r\nsound_on=0\r\n[updater]\r\nproxy=\r\n[hkl ]\r\norder =x\r\n");

  ASSERT_TRUE(writeProfileStringA("hotkey", "translit", "596", dir.file8("Orvanta.ini")));
  EXPECT_EQ(get(ini, u"hotkey", u"translit").text, u"596");
}

TEST_F(ProfilePort, ReadsHandWrittenFilesAsWindowsDoes) {
  Str16 ini = handWritten();

  EXPECT_EQ(get(ini, u"common", u"key1").text, u"value with spaces");  // first match wins
  EXPECT_EQ(get(ini, u" COMMON ", u"\tKEY1 ").text, u"value with spaces");
  EXPECT_EQ(get(ini, u"common", u"quoted").text, u"  in quotes  ");
  EXPECT_EQ(get(ini, u"common", u"single").text, u"x");
  EXPECT_EQ(get(ini, u"common", u"half").text, u"\"abc");
  EXPECT_EQ(get(ini, u"common", u"empty", u"d").text, u"");
  EXPECT_EQ(get(ini, u"common", u"noequals", u"d").text, u"d");  // a key without "=" has no value
  EXPECT_EQ(get(ini, u"common", u"key2", u"d").text, u"d");      // only the first [common] is searched
  EXPECT_EQ(get(ini, u"other", u"k").text, u"v");                // a lone CR ends a line too
  EXPECT_EQ(get(ini, u"common", u"missing", u"dflt  ").text, u"dflt");
  EXPECT_EQ(get(ini, u"common", u"missing", u"\"q\"").text, u"q");  // the default loses its quotes too
}

TEST_F(ProfilePort, AValueCutToTheBufferKeepsRoomForItsTerminator) {
  Str16 ini = handWritten();
  EXPECT_EQ(get(ini, u"common", u"key1", u"", 6), (Read{5, u"value"}));
  EXPECT_EQ(get(ini, u"common", u"key1", u"", 17).ret, 16u);
  EXPECT_EQ(get(ini, u"common", u"key1", u"", 18), (Read{17, u"value with spaces"}));
  EXPECT_EQ(get(ini, u"common", u"single", u"", 3), (Read{1, u"x"}));
  EXPECT_EQ(get(ini, u"common", u"missing", u"default", 4), (Read{3, u"def"}));
}

TEST_F(ProfilePort, WritingRewritesTheWholeFileInItsOwnForm) {
  Str16 ini = handWritten();
  ASSERT_TRUE(writeProfileString(u"common", u"KEY1", u"new", ini));
  EXPECT_EQ(readBytes(ini),
            "; settings\r\n"
            "[Common]\r\n"
            "Key1=new\r\n"
            "key1=second\r\n"
            "quoted=\"  in quotes  \"\r\n"
            "single='x'\r\n"
            "half=\"abc\r\n"
            "noequals\r\n"
            "empty=\r\n"
            "[common]\r\n"
            "key2=from the second section\r\n"
            "[other]\r\n"
            "k=v\r\n");
}

TEST_F(ProfilePort, EachFileIsReadAndWrittenInItsOwnEncoding) {
  Str16 ansi = dir.file(u"ansi.ini");
  writeBytes(ansi, "[common]\r\nname=caf\xE9\r\n");
  EXPECT_EQ(get(ansi, u"common", u"name").text, u"caf\u00E9");
  ASSERT_TRUE(writeProfileString(u"common", u"ru", u"\u043F\u0440\u0438", ansi));  // not in 1252
  EXPECT_EQ(readBytes(ansi), "[common]\r\nname=caf\xE9\r\nru=???\r\n");

  Str16 wide = dir.file(u"wide.ini");
  writeBytes(wide, "\xFF\xFE" + u16le(u"[common]\r\nname=\u041F\u0440\u0438\u0432\u0435\u0442\r\n"));
  EXPECT_EQ(get(wide, u"common", u"name").text, u"\u041F\u0440\u0438\u0432\u0435\u0442");
  ASSERT_TRUE(writeProfileString(u"common", u"x", u"\u044F", wide));
  EXPECT_EQ(readBytes(wide),
            "\xFF\xFE" + u16le(u"[common]\r\nname=\u041F\u0440\u0438\u0432\u0435\u0442\r\nx=\u044F\r\n"));

  Str16 utf8 = dir.file(u"utf8.ini");
  writeBytes(utf8, "\xEF\xBB\xBF[a]\nk=\xD1\x8F\n");
  EXPECT_EQ(get(utf8, u"a", u"k").text, u"\u044F");
  ASSERT_TRUE(writeProfileString(u"a", u"k", u"\u0451", utf8));
  EXPECT_EQ(readBytes(utf8), "\xEF\xBB\xBF[a]\r\nk=\xD1\x91\r\n");
}

TEST_F(ProfilePort, SectionsAreReadAndReplacedWhole) {
  Str16 ini = dir.file(u"s.ini");
  Str8 ini8 = dir.file8("s.ini");
  writeBytes(ini,
             "[common]\r\na=1\r\n"
             "[Exe_Mark]\r\n; comment\r\nold.exe = 5\r\nbare\r\n"
             "[hotkey]\r\n!!exit=1657\r\n");
  uint32_t ret = 0;
  std::string got = section(ini8, "exe_mark", 100, &ret);
  EXPECT_EQ(ret, 15u);
  EXPECT_EQ(got.substr(0, 16), std::string("old.exe=5\0bare\0\0", 16));

  ASSERT_TRUE(writeProfileSectionA("exe_mark", "putty.exe=0\0opera.exe=61\0no equals\0\0", ini8));
  const std::string replaced = "[common]\r\na=1\r\n[Exe_Mark]\r\nputty.exe=0\r\nopera.exe=61\r\n[hotkey]\r\n!!exit=1657\r\n";
  EXPECT_EQ(readBytes(ini), replaced);

  const std::string whole("putty.exe=0\0opera.exe=61\0\0", 26);  // 25 bytes and the final zero
  // the section, the buffer's size, the length returned and the buffer's first bytes
  for (const auto& [name, size, length, start] : {
           std::tuple{"EXE_MARK", 100u, 25u, whole},
           {"exe_mark", 27u, 25u, whole},
           {"exe_mark", 26u, 24u, std::string()},  // an exact fit counts as full: size - 2
           {"exe_mark", 25u, 23u, std::string()},
           {"exe_mark", 10u, 8u, std::string("putty.ex\0\0", 10)},
           {"missing", 10u, 0u, std::string("\0\0", 2)},
       }) {
    got = section(ini8, name, size, &ret);
    EXPECT_EQ(ret, length) << name << " " << size;
    EXPECT_EQ(got.substr(0, start.size()), start) << name << " " << size;
  }

  // A new section is added at the end; an empty list leaves a missing section missing.
  ASSERT_TRUE(writeProfileSectionA("fresh", "\0", ini8));
  ASSERT_TRUE(writeProfileSectionA("exe_mark2", "a.exe=63\0", ini8));
  EXPECT_EQ(readBytes(ini), replaced + "[exe_mark2]\r\na.exe=63\r\n");
  // and a missing file is made
  ASSERT_TRUE(writeProfileSectionA("exe_mark", "hl.exe=0\0explorer.exe=63\0\0", dir.file8("new.ini")));
  EXPECT_EQ(readBytes(dir.file(u"new.ini")), "[exe_mark]\r\nhl.exe=0\r\nexplorer.exe=63\r\n");
}

}  // namespace
}  // namespace orv
