#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "clipboard/ClipboardMenu.h"
#include "clipboard/Templates.h"
#include "platform/FileSys.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

#ifndef _WIN32
#include <filesystem>
#endif

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

class KeyTexts : public ClipboardMenuActions {
 public:
  Str16 text(const char* key) override { return utf8ToUtf16(key); }
  Str16 hotkeyText(const char*) override { return {}; }
  ArrT<MenuLayoutName> layouts() override { return {}; }
  bool translitActive() override { return false; }
  Str16 moduleFolder() override { return {}; }
  bool pasteText(uint32_t, const Str16&) override { return true; }
};

// Captions in order, "-" a separator, a folder's contents in brackets; the
// create items as "+folder PATH" and "+file PATH".
std::string outline(const XMenu& m) {
  std::string out;
  for (const XMenu* c : m.children) {
    if (!out.empty()) out += ' ';
    uint8_t code = c->record.size() ? uint8_t(c->record[0]) : 0;
    if (c->kind == MenuKind::Separator) out += '-';
    else if (code == kCodeNewFolder || code == kCodeNewFile)
      out += (code == kCodeNewFolder ? "+folder " : "+file ") + utf16ToUtf8(recordText(c->record, 1));
    else if (c->kind == MenuKind::Sub) out += utf16ToUtf8(c->caption) + "[" + outline(*c) + "]";
    else out += "'" + utf16ToUtf8(c->caption) + "'";
  }
  return out;
}

std::unique_ptr<XMenu> templatesMenu(const ScratchFolder& dir) {
  KeyTexts texts;
  auto menu = std::make_unique<XMenu>(MenuKind::Sub);
  fillTemplatesMenu(*menu, dir.path(), str16(u"templates"), texts, nullptr);
  return menu;
}

TEST(Templates, FoldersComeFirstThenTextFilesEachSortedWithoutCase) {
  ScratchFolder dir;
  EXPECT_EQ(outline(*templatesMenu(dir)), "+folder templates +file templates");  // no folder yet
  dir.folder("templates/b");
  dir.folder("templates/A/deep");
  for (const char* name : {"z.TXT", "a.txt", "B.txt", ".txt", "notes.doc", "A/in  two   words.txt", "txt"})
    writeBytes(dir.file(std::string("templates/") + name), "x");
  EXPECT_EQ(outline(*templatesMenu(dir)),
            "A[deep[+folder templates\\A\\deep +file templates\\A\\deep] 'in two words' - +folder templates\\A "
            "+file templates\\A] b[+folder templates\\b +file templates\\b] "
            "' ' 'a' 'B' 'z' - +folder templates +file templates");
}

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
  ScratchFolder dir;
  for (const auto& c : cases) {
    Str16 out;
    EXPECT_EQ(decodeTextFile(str8(c.bytes), out), c.encoding) << c.bytes;
    EXPECT_EQ(out, c.text) << c.bytes;
    writeBytes(dir.file("t.txt"), c.bytes);
    TextEncoding e = TextEncoding::Ansi;
    EXPECT_TRUE(readTextFile(dir.file("t.txt"), out, &e));
    EXPECT_EQ(out, c.text) << c.bytes;
  }
  Str16 out;
  EXPECT_FALSE(readTextFile(dir.file("missing.txt"), out));
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

#ifndef _WIN32
TEST(Templates, AFolderLinkedToItsParentDoesNotMakeTheMenuEndless) {
  ScratchFolder dir;
  dir.folder("templates/sub");
  namespace fs = std::filesystem;
  const fs::path link = utf16ToUtf8(dir.file("templates/sub/loop"));
  fs::create_directory_symlink("..", link);
  auto menu = templatesMenu(dir);
  fs::remove(link);
  int32_t depth = 0;
  for (const XMenu* m = menu.get(); m->count() && m->child(0)->kind == MenuKind::Sub; m = m->child(0)) ++depth;
  EXPECT_GT(depth, 2);
  EXPECT_LT(depth, 40);
}
#endif

}  // namespace
}  // namespace orv
