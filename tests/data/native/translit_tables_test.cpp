// The shipped transliteration tables (data/Translit): every line a pair in
// windows-1251 that fits the reader's line buffer, every letter of the
// alphabet in both cases has a Latin form, and common words come back
// unchanged from Latin.
#include <gtest/gtest.h>

#include "language/Translit.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {
namespace {

struct Language {
  const char* folder;
  uint32_t id;
  const char* alphabet;           // lower case
  std::vector<const char*> words;  // that survive the way to Latin and back
};

const Language kLanguages[] = {
    {"ru", 0x419, "абвгдеёжзийклмнопрстуфхцчшщъыьэюя",
     {"привет", "мир", "жизнь", "щука", "объект", "новый", "красная", "ёлка", "юбка", "Москва", "Щёлково",
      "съешь", "чай", "схема", "Жуковский", "ЖУК"}},
    {"uk", 0x422, "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя",
     {"привіт", "щастя", "жовтий", "Андрій", "Згорани", "Євген", "юнак", "ґанок", "хліб", "чорний", "Шевченко",
      "цукор", "Яблуко"}},
};

std::string sourceFile(const Language& l, const char* name) {
  return std::string(ORV_SOURCE_DIR) + "/data/Translit/" + l.folder + "/" + name;
}

TEST(ShippedTranslit, EveryLineIsAPairInWindows1251WithinTheLineBuffer) {
  for (const Language& l : kLanguages)
    for (const char* name : {"to_eng.txt", "from_eng.txt"}) {
      Str8 bytes;
      ASSERT_TRUE(readFileBytes(utf8ToUtf16(sourceFile(l, name)), bytes)) << sourceFile(l, name);
      std::string text(view(bytes));
      size_t start = 0, pairs = 0;
      while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        EXPECT_LT(line.size() + 1, 99u) << name << ": " << line;
        for (unsigned char c : line) EXPECT_NE(c, 0x98) << name << ": no character in windows-1251";
        if (line.empty() || line[0] == '#') continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t space = line.find(' ');
        EXPECT_TRUE(space != std::string::npos && space > 0 && line.find_first_of(" \t", space + 1) == std::string::npos)
            << name << ": not a pair: " << line;
        ++pairs;
      }
      TranslitTable table;
      Translit::parseTable(bytes, 1251, table);
      EXPECT_EQ(table.size(), int32_t(pairs)) << sourceFile(l, name) << ": a key twice";
    }
}

TEST(ShippedTranslit, EveryLetterHasALatinFormAndCommonWordsComeBack) {
  for (const Language& l : kLanguages) {
    Translit t(l.id);
    t.load(utf8ToUtf16(std::string(ORV_SOURCE_DIR) + "/data/Translit"));
    Str16 alphabet = utf8ToUtf16(l.alphabet);
    SetT<unsigned> letters;
    for (char16_t c : alphabet) {
      letters.add(c);
      letters.add(charUpperW(c));
      EXPECT_TRUE(t.toLatin().contains(Str16(&c, 1))) << l.folder << " " << utf16ToUtf8(Str16(&c, 1));
      char16_t upper = charUpperW(c);
      EXPECT_TRUE(t.toLatin().contains(Str16(&upper, 1))) << l.folder << " " << utf16ToUtf8(Str16(&upper, 1));
    }
    for (const char* word : l.words) {
      Str16 latin, back;
      Str8 narrow;
      ASSERT_TRUE(t.convert(utf8ToUtf16(word), letters, latin, narrow)) << word;
      for (char16_t c : latin) EXPECT_LT(c, 128) << word << " -> " << utf16ToUtf8(latin);
      ASSERT_TRUE(t.convert(latin, letters, back, narrow)) << word;
      EXPECT_EQ(utf16ToUtf8(back), word) << l.folder << ": " << utf16ToUtf8(latin);
    }
  }
}

}  // namespace
}  // namespace orv
