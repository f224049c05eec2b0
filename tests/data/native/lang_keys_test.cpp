// The shipped language files against the sources: every key the code uses
// (lstr("key"), LKEY("key"), LocalStr::get(u"key") and "$key" window texts)
// must be in both data/lang/en.lng and data/lang/ru.lng, the two files must
// carry the same keys, and the Russian file must be translated.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/LangFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = ORV_SOURCE_DIR;

// The source text without its comments (string and character literals kept).
std::string withoutComments(const std::string& s) {
  std::string out;
  char quote = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (quote) {
      out += c;
      if (c == '\\' && i + 1 < s.size()) {
        out += s[++i];
      } else if (c == quote || c == '\n') {
        quote = 0;
      }
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
      while (i < s.size() && s[i] != '\n') ++i;
      out += '\n';
    } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
      size_t end = s.find("*/", i + 2);
      i = end == std::string::npos ? s.size() : end + 1;
      out += ' ';
    } else {
      if (c == '"' || c == '\'') quote = c;
      out += c;
    }
  }
  return out;
}

// Where keys are used: every source folder except the tests (which ask for
// missing keys on purpose), build output and version control.
std::set<std::string> keysUsedInSources() {
  static const std::regex patterns[] = {
      std::regex(R"re(\blstr\s*\(\s*"([^"\\]+)")re"),
      std::regex(R"re(\bLKEY\s*\(\s*"([^"\\]+)")re"),
      std::regex(R"re(LocalStr::get\s*\(\s*u"([^"\\]+)")re"),
      std::regex(R"re((?:u8|u|L)?"\$([A-Za-z][A-Za-z0-9_]*)")re"),
  };
  std::set<std::string> keys;
  for (auto it = fs::recursive_directory_iterator(kRoot); it != fs::recursive_directory_iterator(); ++it) {
    std::string name = it->path().filename().string();
    if (it->is_directory()) {
      if (it.depth() == 0 && (name == "tests" || name == "dist" || name.rfind("build", 0) == 0))
        it.disable_recursion_pending();
      if (!name.empty() && name[0] == '.') it.disable_recursion_pending();
      continue;
    }
    std::string ext = it->path().extension().string();
    if (ext != ".cpp" && ext != ".h" && ext != ".inc" && ext != ".rc") continue;
    std::ifstream in(it->path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = withoutComments(text.str());
    for (const std::regex& re : patterns)
      for (std::sregex_iterator m(s.begin(), s.end(), re), end; m != end; ++m) keys.insert((*m)[1].str());
  }
  return keys;
}

std::map<std::string, std::u16string> langFile(const char* name) {
  LangTable table;
  EXPECT_TRUE(loadLangFile(utf8ToUtf16((kRoot / "data" / "lang" / name).string()), table)) << name;
  std::map<std::string, std::u16string> out;
  for (const auto& e : table.items()) out[utf16ToUtf8(e.key)] = std::u16string(view(e.val));
  return out;
}

TEST(LanguageFiles, CarryEveryKeyTheSourcesUse) {
  std::set<std::string> used = keysUsedInSources();
  EXPECT_GE(used.size(), 10u);  // the scan found the sources at all
  auto en = langFile("en.lng");
  auto ru = langFile("ru.lng");
  for (const std::string& k : used) {
    EXPECT_TRUE(en.count(k)) << "en.lng lacks " << k;
    EXPECT_TRUE(ru.count(k)) << "ru.lng lacks " << k;
  }
}

TEST(LanguageFiles, RussianIsCompleteAndTranslated) {
  auto en = langFile("en.lng");
  auto ru = langFile("ru.lng");
  EXPECT_GE(en.size(), 150u);
  for (const auto& [k, text] : en) EXPECT_TRUE(ru.count(k)) << "ru.lng lacks " << k;
  for (const auto& [k, text] : ru) EXPECT_TRUE(en.count(k)) << "en.lng lacks " << k;
  // Texts that are the same in both languages: key names and punctuation.
  const std::set<std::string> universal = {"clipboard_menu_more_title", "notes_pan_acompl_tab",
                                           "notes_pan_acompl_enter"};
  for (const auto& [k, text] : ru) {
    EXPECT_NE(text[0], u'?') << k << " is a placeholder";
    bool cyrillic = false;
    for (char16_t c : text) cyrillic = cyrillic || (c >= 0x0400 && c <= 0x04FF);
    if (universal.count(k)) continue;
    EXPECT_TRUE(cyrillic) << k << " is not translated";
    if (en.count(k)) {
      EXPECT_NE(text, en[k]) << k << " is the English text";
    }
  }
}

TEST(LanguageFiles, EnglishTextsAreTheInterfaceTexts) {
  // A sample of the texts the interface quotes, chosen for their odd case,
  // punctuation and escapes.
  auto en = langFile("en.lng");
  const std::pair<const char*, const char16_t*> quoted[] = {
      {"mi_enable_this_exe", u"work and do not ask"},
      {"mb_ask_add_word_to_dic", u"Add \"@\" in the dictionary?"},
      {"dics_pan_gen_words_done", u"Dictionary written to text file"},
      {"clipboard_menu_none_item", u"- empty -"},
      {"clipboard_switch_selected_sub", u"Toggle selection as ..."},
      {"clipbrd_pan_modi_row_alt", u"ALT + middle mouse button"},
      {"copy_by_l_r_mouse", u"Copy by right in hold the left mouse button"},
      {"autosw_prepos", u"With preposition"},
      {"restart_on_lang_chg_msg_text", u"You change your language interface. \nRestart Orvanta?"},
      {"new_tmplts_dlg_fold_lbl", u"New Templates Folder:"},
      {"sound_to_default", u"Reset defaults"},
      {"underliner_menu_edit_paste", u"Insert"},
      {"underliner_menu_format_bk_color", u"background color ..."},
      {"underliner_title_shortcut_tooltip", u"Combination of symbols, which will be \r\n automatically replaced with the note"},
      {"underliner_quit_msg_text_scrap", u"Text editor changed. Put it to the clipboard?"},
  };
  for (const auto& [key, text] : quoted) EXPECT_EQ(en[key], text) << key;
}

}  // namespace
}  // namespace orv
