#include <gtest/gtest.h>

#include <string>

#include "clipboard/Templates.h"
#include "platform/FileSys.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;

TEST(Templates, TheByteOrderMarkChoosesTheEncoding) {
  const std::string text = "T\xC3\xA9xt \xE2\x82\xAC";  // "Téxt €"
  const Str16 wide = utf8ToUtf16(text);
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t c : wide) {
    le += char(c & 0xFF), le += char(c >> 8);
    be += char(c >> 8), be += char(c & 0xFF);
  }
  auto ansiText = [](const std::string& bytes) {
    Str16 out;
    multiByteToWide(kCpAnsi, bytes.data(), int32_t(bytes.size()), out);
    return out;
  };
  const struct {
    std::string bytes;
    TextEncoding encoding;
    Str16 text;
  } cases[] = {
      {le, TextEncoding::Utf16Le, wide},
      {be, TextEncoding::Utf16Be, wide},
      {le + "\x41", TextEncoding::Utf16Le, wide},  // an odd last byte is no character
      {"\xEF\xBB\xBF" + text, TextEncoding::Utf8, wide},
      {text, TextEncoding::Utf8, wide},  // UTF-8 as editors save it today, without a mark
      {"caf\xE9", TextEncoding::Ansi, ansiText("caf\xE9")},
      {"\xFF", TextEncoding::Ansi, ansiText("\xFF")},
      {"", TextEncoding::Ansi, Str16()},
  };
  for (const auto& c : cases) {
    Str16 out;
    EXPECT_EQ(decodeTextFile(str8(c.bytes), out), c.encoding) << c.bytes;
    EXPECT_EQ(out, c.text) << c.bytes;
  }
}

TEST(Templates, CreateMakesAFolderOrAMarkedFileAndRefusesBadNames) {
  ScratchFolder dir;
  const struct {
    std::u16string name;
    bool folder;
    CreateTemplateResult result;
    const char16_t* made;  // relative path, or "" for nothing
  } cases[] = {
      {u"notes", false, CreateTemplateResult::File, u"templates\\notes.txt"},
      {u"  letters \t", true, CreateTemplateResult::Folder, u"templates\\letters"},
      {u"notes", false, CreateTemplateResult::Failed, u""},  // never overwrites
      {u"letters", true, CreateTemplateResult::Failed, u""},
      {u"   ", false, CreateTemplateResult::BadName, u""},
      {u"a/b", false, CreateTemplateResult::BadName, u""},
      {u"a\\b", true, CreateTemplateResult::BadName, u""},
      {u"why?", false, CreateTemplateResult::BadName, u""},
      {u"star*", false, CreateTemplateResult::BadName, u""},
      {u"notes:hidden", false, CreateTemplateResult::BadName, u""},
      {std::u16string(100, u'n'), true, CreateTemplateResult::Folder, u""},  // the longest name
      {std::u16string(101, u'n'), true, CreateTemplateResult::BadName, u""},
  };
  for (const auto& c : cases) {
    Str16 made;
    EXPECT_EQ(createTemplate(dir.path(), str16(u"templates"), str16(c.name), c.folder, &made), c.result)
        << utf16ToUtf8(str16(c.name));
    if (*c.made) {
      EXPECT_EQ(made, dir.file(std::u16string_view(c.made)));
    }
  }
  EXPECT_EQ(readBytes(dir.file("templates/notes.txt")), "\xEF\xBB\xBFtext");
  EXPECT_TRUE(isFolder(dir.file("templates/letters")));
}

}  // namespace
}  // namespace orv
