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
  auto en = langFile("en.lng");
  const std::pair<const char*, const char16_t*> quoted[] = {
      {"autocomplete_menu_title", u"Completion"},
      {"last_typed_menu_title", u"Last typed"},
      {"ortho_menu_title", u"Spelling"},
      {"mi_add_word", u"Add word"},
      {"mi_disable_this_exe", u"Do not work in this application"},
      {"mi_enable_this_exe", u"work and do not ask"},
      {"mb_ask_add_word_to_dic", u"Add \"@\" in the dictionary?"},
      {"mb_ask_add_word_to_dic_title", u"Dictionary"},
      {"dics_pan_gen_words_list", u"Unload as text"},
      {"dics_pan_gen_words_done", u"Dictionary written to text file"},
      {"dics_pan_gwl_dic_not_found", u"Dictionary not found"},
      {"clipboard_menu_title", u"Clipboard"},
      {"clipboard_menu_title2", u"Notes"},
      {"clipboard_menu_notes_title", u"Notes"},
      {"clipboard_menu_more_title", u"..."},
      {"clipboard_menu_none_item", u"- empty -"},
      {"clipboard_menu_new_note", u"New Note"},
      {"clipboard_menu_note_deleted", u"(Deleted)"},
      {"clipboard_menu_tmplts_title", u"Templates"},
      {"clipboard_menu_tmplts_new_folder", u"Create Folder"},
      {"clipboard_menu_tmplts_new_file", u"Create File"},
      {"clipboard_menu_tt_add2notes", u"Save Selection to Notes"},
      {"clipboard_menu_tt_underliner", u"Edit fragment"},
      {"clipboard_menu_tt_delete", u"Delete"},
      {"clipboard_menu_tt_move", u"Drag"},
      {"clipboard_menu_tt_restore", u"Reset"},
      {"clipboard_underliner_for_selected_mi", u"Check spelling"},
      {"clipboard_translit_selected_mi", u"Transliterate selected"},
      {"clipboard_switch_selected_mi", u"Toggle selection"},
      {"clipboard_switch_selected_sub", u"Toggle selection as ..."},
      {"clipboard_exe_policy", u"Settings ..."},
      {"clipbrd_pan_modi_row_none", u"Disabled"},
      {"clipbrd_pan_modi_row_pure", u"Middle mouse button"},
      {"clipbrd_pan_modi_row_alt", u"ALT + middle mouse button"},
      {"copy_by_l_r_mouse", u"Copy by right in hold the left mouse button"},
      {"autosw_prepos", u"With preposition"},
      {"work_start_sym_cnt_row_2", u"2 letters"},
      {"work_start_sym_cnt_row_3", u"3 letters"},
      {"work_start_sym_cnt_row_4", u"4 letters"},
      {"restart_on_lang_chg_msg_text", u"You change your language interface. \nRestart Orvanta?"},
      {"new_tmplts_dlg_title", u"Create"},
      {"new_tmplts_dlg_fold_lbl", u"New Templates Folder:"},
      {"new_tmplts_dlg_file_lbl", u"New Templates File:"},
      {"sound_to_default", u"Reset defaults"},
      {"apply", u"Apply"},
      {"ok", u"OK"},
      {"cancel", u"Cancel"},
      {"underliner_title_end", u"Editor Orvanta"},
      {"underliner_menu_file", u"File"},
      {"underliner_menu_file_new_note", u"New Note"},
      {"underliner_menu_file_save", u"Save"},
      {"underliner_menu_file_save_file", u"Save to file ..."},
      {"underliner_menu_file_save_new_note", u"Save as a new note"},
      {"underliner_menu_file_close", u"Exit"},
      {"underliner_menu_edit", u"Edit"},
      {"underliner_menu_edit_undo", u"Cancel"},
      {"underliner_menu_edit_cut", u"Cut"},
      {"underliner_menu_edit_copy", u"Copy"},
      {"underliner_menu_edit_paste", u"Insert"},
      {"underliner_menu_edit_delete", u"Delete"},
      {"underliner_menu_edit_sel_all", u"Select all"},
      {"underliner_menu_edit_copy_all", u"Copy All"},
      {"underliner_menu_format", u"Format"},
      {"underliner_menu_format_wrap", u"Wrap"},
      {"underliner_menu_format_font", u"Font ..."},
      {"underliner_menu_format_bk_color", u"background color ..."},
      {"underliner_menu_options", u"Settings"},
      {"underliner_menu_options_dics", u"Dictionaries ..."},
      {"underliner_note_menu_open_new", u"Open in new window"},
      {"underliner_note_menu_delete", u"Delete"},
      {"underliner_save_btn_tooltip", u"Save"},
      {"underliner_mv_up_btn_tooltip", u"Move Up"},
      {"underliner_mv_dn_btn_tooltip", u"Move Down"},
      {"underliner_title_title", u"Title"},
      {"underliner_title_title_tooltip", u"Notes Title"},
      {"underliner_title_shortcut", u"Reduction"},
      {"underliner_title_shortcut_tooltip", u"Combination of symbols, which will be \r\n automatically replaced with the note"},
      {"underliner_chrow_msg_text_note", u"Text editor changed. Save a note?"},
      {"underliner_chrow_msg_title", u"Note"},
      {"underliner_quit_msg_title", u"Quit"},
      {"underliner_quit_msg_text_note", u"Text editor changed. Save a note?"},
      {"underliner_quit_msg_text_file", u"Text editor changed. Save the file?"},
      {"underliner_quit_msg_text_scrap", u"Text editor changed. Put it to the clipboard?"},
  };
  for (const auto& [key, text] : quoted) EXPECT_EQ(en[key], text) << key;
}

}  // namespace
}  // namespace orv
