// The Dictionaries panel's add-word flow speaks with the shipped English
// language file's texts, which are the interface's own wording.
#include <gtest/gtest.h>

#include <string>

#include "app/LangFile.h"
#include "core/SynchObject.h"
#include "language/DictionarySet.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

struct LangFileStrings : IInterfaceStrings {
  LangTable table;
  Str16 text(const char* key) override {
    const Str16* t = table.get(utf8ToUtf16(key));
    return t ? *t : Str16();
  }
};

struct LatinLayout : ILayoutCatalog {
  int32_t layoutCount() override { return 1; }
  Str8 layoutLanguage(int32_t) override { return str8("en"); }
  int32_t layoutCodePage(int32_t) override { return 1252; }
  bool layoutCanType(int32_t, const Str16& word) override {
    for (char16_t c : word)
      if (c >= 0x80) return false;
    return true;
  }
};

TEST(AddWordTexts, AreTheEnglishLanguageFilesTexts) {
  LangFileStrings strings;
  ASSERT_TRUE(loadLangFile(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/data/lang/en.lng"), strings.table));
  test::ScratchFolder dir;
  test::writeBytes(joinPath(dir.folder("dic/en_US"), u"charset"), "windows-1252");
  SynchObject lock;
  DictionarySet set(dir.path(), lock);
  LatinLayout layouts;
  set.bindStrings(&strings);
  set.bindLayouts(&layouts);
  set.append(dir.file("dic/en_US"), 0);
  const struct {
    const char16_t* typed;
    const char16_t* answer;
  } cases[] = {
      {u"a1", u"Invalid word"},
      {u"caf\u00E9", u"Invalid code page"},
      {u"hello", u"word posted\r\nhello"},
      {u"hello", u"word already exists\r\nhello"},
  };
  for (const auto& c : cases) EXPECT_EQ(view(set.addUserWord(str16(c.typed))), c.answer) << utf16ToUtf8(str16(c.typed));
}

}  // namespace
}  // namespace orv
