#include "language/DictionarySeams.h"

#include <cstring>

namespace orv {

Str16 EnglishDictionaryStrings::text(const char* key) {
  static const struct {
    const char* key;
    const char16_t* text;
  } kTexts[] = {
      {"dics_pan_add_word_bad_ch", u"Invalid word"},
      {"dics_pan_add_word_bad_cp", u"Invalid code page"},
      {"dics_pan_add_word_exists", u"word already exists"},
      {"dics_pan_add_word_success", u"word posted"},
      {"dics_pan_gwl_dic_not_found", u"Dictionary not found"},
      {"dics_pan_gen_words_done", u"Dictionary written to text file"},
      {"mb_ask_add_word_to_dic", u"Add \"@\" in the dictionary?"},
      {"mb_ask_add_word_to_dic_title", u"Dictionary"},
  };
  for (const auto& t : kTexts)
    if (std::strcmp(t.key, key) == 0) return str16(t.text);
  return utf8ToUtf16(key);
}

}  // namespace orv
