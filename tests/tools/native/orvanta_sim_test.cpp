// orvanta-sim's commands, called as the tool's main calls them. type and eval
// read the shipped dictionaries (scripts/dictionaries builds them).

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "clipboard/StoreFiles.h"
#include "support/ShippedDictionaries.h"

#include "tools/orvanta-sim/KeyScript.h"
#include "tools/orvanta-sim/SimCommands.h"

namespace orv::simtool {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(std::vector<std::string> args) {
  Outcome r;
  r.status = runOrvantaSim(args, r.out, r.err);
  return r;
}

// The conversions themselves are the keyboard tests'; these check the options.
TEST(OrvantaSim, ConvertBetweenLayoutsNamedByLanguageOrHandleOrToTheNextOne) {
  EXPECT_EQ(run({"convert", "--from", "us", "--to", "ru", "ghbdtn"}).out, "привет\n");
  EXPECT_EQ(run({"convert", "--from", "04090409", "--to", "0x04070407", "y"}).out, "z\n");
  EXPECT_EQ(run({"convert", "--next", "--layouts", "us,ru", "vbh"}).out, "мир\n");
  Outcome r = run({"convert", "--next", "--layouts", "us,ru", "hello \xE4\xB8\xAD"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no layout"), std::string::npos);
}

TEST(OrvantaSim, BadInputExitsWithStatus2AndSaysWhy) {
  const struct {
    std::vector<std::string> args;
    const char* why;  // in the error output; null: not checked
  } cases[] = {
      {{}, nullptr},
      {{"frobnicate"}, nullptr},
      {{"convert", "--from", "xx", "--to", "ru", "a"}, "unknown layout 'xx'"},
      {{"convert", "--from", "us", "ghbdtn"}, nullptr},
      {{"convert", "--next", "--layouts", "us", "a"}, nullptr},
      {{"convert", "--next", "--layouts", "us,us", "a"}, nullptr},
      {{"render", "--layouts", "us,ru", "--active", "de", "a"}, nullptr},
      {{"render", "--layouts", "us,ru", "--active", "us", "a{Nope}"}, "{Nope}"},
      {{"render", "--layouts", "us,ru", "--active", "us", "aÐ¶"}, "cannot be typed"},
      {{"render", "--layouts", "us,ru", "--active", "us", "a{Layout:de}b"}, nullptr},
      {{"type", "--layouts", "us,xx", "--active", "us", "x"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "ua", "x"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "us"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "us", "--set", "common.nothing=1", "x"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "us", "--set", "common.autosw_use=yes", "x"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "us", "--dic", "/nonexistent/folder", "x"}, nullptr},
      {{"type", "--layouts", "us,ru", "--active", "us", "{Nope}"}, nullptr},
      {{"type", "--note", "mfg", "x"}, "SHORTCUT=TEXT"},
      {{"type", "--note", "mfg=", "x"}, "empty"},
      {{"type", "--history-file", "/nonexistent/folder/h.dat", "x"}, "cannot write"},
  };
  for (const auto& c : cases) {
    Outcome r = run(c.args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(c.args);
    if (c.why) { EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err; }
  }
}

TEST(OrvantaSim, LayoutsListsHandleLanguageAndCodePage) {
  Outcome r = run({"layouts"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("ru  04190419  ru-RU"), std::string::npos);
  EXPECT_NE(r.out.find("code page 1251"), std::string::npos);
  EXPECT_NE(r.out.find("fr  040C040C"), std::string::npos);
}

TEST(OrvantaSim, RenderTypesTheScriptInEveryLayout) {
  Outcome r = run({"render", "--layouts", "us,ru", "--active", "us", "--keys", "ghbdtn vbh"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "us: ghbdtn vbh\nru: привет мир\n"
            "keys: 00670022 00680023 00620030 00640020 00740014 006E0031 00200000 0076002F 00620030 00680023\n");
  // Typed in Russian, read in US; a user's layout switch starts a new text.
  r = run({"render", "--layouts", "us,ru", "--active", "ru", "Пр"});
  EXPECT_EQ(r.out, "us: Gh\nru: Пр\n");
  r = run({"render", "--layouts", "us,ru", "--active", "us", "abc{Layout:ru}ф"});
  EXPECT_EQ(r.out, "us: a\nru: ф\n");
}

TEST(KeyScript, ParsesNamedKeysChordsPressesLayoutsAndBraces) {
  std::vector<ScriptStep> s;
  std::string err;
  ASSERT_TRUE(parseKeyScript("a{Shift+Pause}{ctrl+alt+d}{Layout:ru}{{}{}}ё{F12}", s, err)) << err;
  ASSERT_EQ(s.size(), 8u);
  EXPECT_EQ(s[0].ch, u'a');
  EXPECT_EQ(s[1].vk, 19u);
  EXPECT_EQ(s[1].modifiers, 1u);
  EXPECT_EQ(s[2].vk, unsigned('D'));
  EXPECT_EQ(s[2].modifiers, 6u);
  EXPECT_EQ(s[3].kind, ScriptStep::kLayout);
  EXPECT_EQ(s[3].layout, "ru");
  EXPECT_EQ(s[4].ch, u'{');
  EXPECT_EQ(s[5].ch, u'}');
  EXPECT_EQ(s[6].ch, u'\u0451');
  EXPECT_EQ(s[7].vk, 123u);
  ASSERT_TRUE(parseKeyScript("{Press:Space}{release:v}", s, err)) << err;
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].edge, ScriptStep::kPress);
  EXPECT_EQ(s[0].scan, 0x39u);
  EXPECT_EQ(s[1].edge, ScriptStep::kRelease);
  EXPECT_EQ(s[1].vk, unsigned('V'));
  EXPECT_FALSE(parseKeyScript("{Press:Ctrl+A}", s, err));
  EXPECT_FALSE(parseKeyScript("{Release:}", s, err));
  EXPECT_FALSE(parseKeyScript("{Space", s, err));
  EXPECT_FALSE(parseKeyScript("{}", s, err));
  EXPECT_FALSE(parseKeyScript("{Meta+A}", s, err));
  EXPECT_FALSE(parseKeyScript("{D}", s, err));  // a bare letter needs no braces
  EXPECT_FALSE(parseKeyScript("\xFF", s, err));
  EXPECT_FALSE(parseKeyScript("\xF0\x9F\x98\x80", s, err));  // outside the BMP
}

Outcome type(const std::string& script, std::vector<std::string> extra = {}) {
  std::vector<std::string> a{"type", "--layouts", "us,ru", "--active", "us", "--clipboard", "keep"};
  a.insert(a.end(), extra.begin(), extra.end());
  a.push_back(script);
  return run(a);
}

// What a switch and Pause do is the simulation tests' (tests/sim); these check
// the command's options and its report.
TEST(OrvantaSimType, ReportsTextLayoutClipboardAndSounds) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  Outcome r = type("ghbdtn ");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "text: привет \nlayout: ru\nclipboard: keep\nsounds: snd_KEY snd_KEY snd_NOT_FOUND snd_NOT_FOUND "
                   "snd_NOT_FOUND snd_NOT_FOUND snd_SWITCH\n");
}

TEST(OrvantaSimType, SetOverridesForTheRunAndSoundsCanBeSilenced) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  Outcome off = type("ghbdtn ", {"--set", "common.autosw_use=0", "--set", "common.sound_on=0"});
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_EQ(off.out, "text: ghbdtn \nlayout: us\nclipboard: keep\nsounds: -\n");
  Outcome hk = type("ghbdtn {Pause}", {"--set", "hotkey.!!switch_back=0"});
  EXPECT_NE(hk.out.find("text: привет \n"), std::string::npos);  // Pause is no hotkey now
  Outcome traced = type("ghbdtn ", {"--trace"});
  EXPECT_NE(traced.out.find("trace: command 23688"), std::string::npos);
}

TEST(OrvantaSimEval, CountsFixesAndFalseSwitchesWithAMachineReadableLastLine) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::string path = ::testing::TempDir() + "orv_eval_corpus.txt";
  {
    std::ofstream f(path);
    f << "Привет, мир! Вопрос и ответ.\n";
  }
  Outcome r = run({"eval", "--layouts", "us,ru", "--lang", "ru", path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 5\n"), std::string::npos) << r.out;
  size_t last = r.out.rfind("summary: words=5 recall3=100.00% false=0.000% p50=");
  EXPECT_NE(last, std::string::npos) << r.out;
  Outcome s = run({"eval", "--layouts", "us,ru", "--lang", "ru", "--sentences", path});
  EXPECT_NE(s.out.find("summary: words=5 "), std::string::npos) << s.out;
  std::remove(path.c_str());
  EXPECT_EQ(run({"eval", "--layouts", "us,ru", "--lang", "de", path}).status, 2);
}

TEST(OrvantaSimEval, WordsAreTheAnalysersLetterRunsUnlessInnerMarksAreKept) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::string path = ::testing::TempDir() + "orv_eval_inner.txt";
  std::string misses = ::testing::TempDir() + "orv_eval_misses.txt";
  {
    std::ofstream f(path);
    f << "Что-то и ответ\n";
  }
  Outcome r = run({"eval", "--layouts", "us,ru", "--lang", "ru", "--misses", misses, path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 4\n"), std::string::npos) << r.out;
  std::ifstream m(misses, std::ios::binary);
  std::string listed((std::istreambuf_iterator<char>(m)), std::istreambuf_iterator<char>());
  // one and two letters are never switched; the words of 3+ letters are
  EXPECT_NE(listed.find("miss\tи\t1\n"), std::string::npos) << listed;
  EXPECT_NE(listed.find("miss\tто\t1\n"), std::string::npos) << listed;
  EXPECT_EQ(listed.find("ответ"), std::string::npos) << listed;

  Outcome k = run({"eval", "--layouts", "us,ru", "--lang", "ru", "--keep-inner", path});
  EXPECT_NE(k.out.find("words tested: 3\n"), std::string::npos) << k.out;
  EXPECT_NE(k.out.find("misses of 3+ letters: Что-то (1)"), std::string::npos) << k.out;
  EXPECT_EQ(run({"eval", "--layouts", "us,ru", "--lang", "ru", "--set", "common.nothing=1", path}).status, 2);
  EXPECT_EQ(run({"eval", "--layouts", "us,ru", "--lang", "ru", "--misses", "/nonexistent/dir/m.txt", path}).status,
            2);
  std::remove(path.c_str());
  std::remove(misses.c_str());
}

// The selection keys of the edit control and the selection hotkeys with
// their tables; what the conversions do is tests/sim/selection_test's.
TEST(OrvantaSimType, SelectionKeysConversionAndTransliterationTables) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  struct Case {
    const char* script;
    std::vector<std::string> extra;
    const char* text;
  } cases[] = {
      {"abc ghbdtn{Shift+Left}{Shift+Left}{Shift+Home}{Shift+Right}{Shift+Pause}", {}, "aис привет"},
      {"privet{SelectAll}{Ctrl+T}", {}, "привет"},
      {"privet{SelectAll}{Ctrl+T}", {"--translit", "/"}, "privet"},  // a folder without tables
      {"hello{Shift+Left}{Shift+Left}{Ctrl+X}{Home}{Ctrl+V}", {}, "lohel"},
  };
  for (const Case& c : cases) {
    Outcome r = type(c.script, c.extra);
    ASSERT_EQ(r.status, 0) << c.script << ": " << r.err;
    // A spelling popup at a word's end ("oc_use" is on by default) writes its line first.
    const size_t text = r.out.find("text: ");
    ASSERT_NE(text, std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(text, r.out.find('\n', text) - text), std::string("text: ") + c.text) << c.script;
  }
  EXPECT_EQ(type("x", {"--translit", "/nonexistent/folder"}).status, 2);
}

// One run's clipboard.dat and notes.dat are the next run's.
TEST(OrvantaSimType, HistoryAndNotesFilesCarryOverToTheNextRun) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::string h = ::testing::TempDir() + "orvanta_sim_h.dat", n = ::testing::TempDir() + "orvanta_sim_n.dat";
  std::remove(h.c_str());
  std::remove(n.c_str());
  const std::vector<std::string> first{"--history-file", h, "--notes-file", n,
                                       "--note", "ab=two\nlines", "--note", "mfg=Mit freundlichen Grüßen"};
  EXPECT_EQ(type("x{SelectAll}{Ctrl+C}", first).status, 0);
  Outcome r = type("say mfg ", {"--history-file", h, "--notes-file", n, "--history", "--notes"});
  // The first check after a start takes the clipboard's text again ("keep"
  // goes back to the top); the notes keep their order.
  EXPECT_EQ(r.out.substr(0, r.out.find("layout:")), "text: say Mit freundlichen Grüßen\n");
  EXPECT_EQ(r.out.substr(r.out.find("history:")),
            "history: keep\nhistory: x\nnote: ab\ttwo\\nlines\nnote: mfg\tMit freundlichen Grüßen\n");
  std::remove(h.c_str());
  std::remove(n.c_str());
}

TEST(OrvantaSimMenu, PrintsTheComposedMenuAsAnIndentedTree) {
  const std::string h = ::testing::TempDir() + "orvanta_sim_menu_history.dat";
  ClipboardHistory history;
  history.addToHistory(str16(u"say \"hi\"\r\nbye"));
  ASSERT_TRUE(saveHistoryFile(utf8ToUtf16(h), history));
  Outcome r = run({"menu", "--set", "clipboard.menu_clpbrd_first=0", "--set", "clipboard.menu_notes_as_sub=0",
                   "--history-file", h, "--layouts", "us", "--app", "x.exe"});
  std::remove(h.c_str());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("  item \"Check spelling\"")),
            "sub \"Notes\" code=7\n"
            "  item \"- empty -\"\n"
            "  separator\n"
            "  item \"New Note\" hint=\"Ctrl + Alt + N\" code=10\n"
            "  header \"Clipboard\"\n"
            "  item \"say \\\"hi\\\" bye\" hint=\"say \\\"hi\\\"\\r\\nbye\" buttons=history:0,2,4 code=1\n"
            "  sub \"Templates\"\n"
            "    item \"Create Folder\" code=11\n"
            "    item \"Create File\" code=12\n"
            "  separator\n");
  EXPECT_NE(r.out.find("  sub \"Toggle selection as ...\"\n  separator\n  item \"Settings ...\" code=5\n"),
            std::string::npos);
  EXPECT_EQ(run({"menu", "--set", "clipboard.no_such=1"}).status, 2);
}

}  // namespace
}  // namespace orv::simtool
