// orvanta-sim's commands, called as the tool's main calls them. type and eval
// read the shipped dictionaries (scripts/dictionaries builds them).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/StoreFiles.h"
#include "support/ScratchFolder.h"
#include "support/ShippedDictionaries.h"

#include "tools/orvanta-sim/EvalWords.h"
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
  EXPECT_EQ(run({"render", "--layouts", "us,ru", "--active", "ru", "Пр"}).out, "us: Gh\nru: Пр\n");
  EXPECT_EQ(run({"render", "--layouts", "us,ru", "--active", "us", "abc{Layout:ru}ф"}).out, "us: a\nru: ф\n");
}

// The parsed steps in short: a character as its code, a key as
// "key<vk>+<modifiers>" (a press or release with its scan code), a layout
// switch as "layout:<name>"; "error" when the script is refused.
std::string steps(std::string_view script) {
  std::vector<ScriptStep> parsed;
  std::string err, out;
  if (!parseKeyScript(script, parsed, err)) return "error";
  for (const ScriptStep& s : parsed) {
    if (s.kind == ScriptStep::kChar) out += std::to_string(s.ch);
    if (s.kind == ScriptStep::kLayout) out += "layout:" + s.layout;
    if (s.kind == ScriptStep::kKey) out += "key" + std::to_string(s.vk) + "+" + std::to_string(s.modifiers);
    if (s.edge != ScriptStep::kTap) out += (s.edge == ScriptStep::kPress ? "@press" : "@release") + std::to_string(s.scan);
    out += ' ';
  }
  return out;
}

TEST(KeyScript, ParsesNamedKeysChordsPressesLayoutsAndBraces) {
  EXPECT_EQ(steps("a{Shift+Pause}{ctrl+alt+d}{Layout:ru}{{}{}}ё{F12}"),
            "97 key19+1 key68+6 layout:ru 123 125 1105 key123+0 ");
  EXPECT_EQ(steps("{Press:Space}{release:v}"), "key32+0@press57 key86+0@release0 ");
  for (const char* bad : {"{Press:Ctrl+A}", "{Release:}", "{Space", "{}", "{Meta+A}",
                          "{D}",                // a bare letter needs no braces
                          "\xFF",
                          "\xF0\x9F\x98\x80"})  // outside the BMP
    EXPECT_EQ(steps(bad), "error") << bad;
}

Outcome type(const std::string& script, std::vector<std::string> extra = {}) {
  extra.insert(extra.begin(), {"type", "--layouts", "us,ru", "--active", "us", "--clipboard", "keep"});
  extra.push_back(script);
  return run(extra);
}

// The test's files, in a folder of its own: the same test may run at the
// same time in another process. Removed when the test ends.
struct TestFiles : test::ScratchFolder {
  std::string path(const char* name, const char* text = nullptr) const {
    if (text) test::writeBytes(file(std::string_view(name)), text);
    return utf16ToUtf8(file(std::string_view(name)));
  }
};

Outcome eval(const char* lang, const std::string& corpus, std::vector<std::string> extra = {}) {
  extra.insert(extra.begin(), {"eval", "--layouts", "us,ru", "--lang", lang});
  extra.push_back(corpus);
  return run(extra);
}

TEST(OrvantaSimEval, CountsFixesAndMissesOfTheAnalysersWordsWithAMachineReadableLastLine) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  TestFiles dir;
  const std::string corpus = dir.path("corpus.txt", "Привет, мир! Вопрос и ответ.\n");
  Outcome r = eval("ru", corpus);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 5\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.rfind("summary: words=5 recall3=100.00% false=0.000% p50="), std::string::npos) << r.out;
  EXPECT_NE(eval("ru", corpus, {"--sentences"}).out.find("summary: words=5 "), std::string::npos);
  EXPECT_EQ(eval("de", corpus).status, 2);

  // Words are the analyser's letter runs unless inner marks are kept.
  const std::string inner = dir.path("inner.txt", "Что-то и ответ\n"), misses = dir.path("misses.txt");
  r = eval("ru", inner, {"--misses", misses});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 4\n"), std::string::npos) << r.out;
  const std::string listed = test::readBytes(utf8ToUtf16(misses));
  // one and two letters are never switched; the words of 3+ letters are
  EXPECT_NE(listed.find("miss\tи\t1\n"), std::string::npos) << listed;
  EXPECT_NE(listed.find("miss\tто\t1\n"), std::string::npos) << listed;
  EXPECT_EQ(listed.find("ответ"), std::string::npos) << listed;

  r = eval("ru", inner, {"--keep-inner"});
  EXPECT_NE(r.out.find("words tested: 3\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("misses of 3+ letters: Что-то (1)"), std::string::npos) << r.out;
  EXPECT_EQ(eval("ru", inner, {"--set", "common.nothing=1"}).status, 2);
  EXPECT_EQ(eval("ru", inner, {"--misses", "/nonexistent/dir/m.txt"}).status, 2);
}

// What a switch, Pause and the selection hotkeys do is the simulation tests'
// (tests/sim); these check the command's options, its report, the selection
// keys of the edit control and the transliteration tables' folder.
TEST(OrvantaSimType, ReportsTextLayoutClipboardAndSoundsUnderTheRunsOptions) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  struct Case {
    const char* script;
    std::vector<std::string> extra;
    const char* report;  // a part of the output; a line holds "\n" at its end
  } cases[] = {
      {"ghbdtn ", {}, "text: привет \nlayout: ru\nclipboard: keep\nsounds: snd_KEY snd_KEY snd_NOT_FOUND snd_NOT_FOUND "
                     "snd_NOT_FOUND snd_NOT_FOUND snd_SWITCH\n"},
      {"ghbdtn ", {"--set", "common.autosw_use=0", "--set", "common.sound_on=0"},
       "text: ghbdtn \nlayout: us\nclipboard: keep\nsounds: -\n"},
      {"ghbdtn {Pause}", {"--set", "hotkey.!!switch_back=0"}, "text: привет \n"},  // Pause is no hotkey now
      {"ghbdtn ", {"--trace"}, "trace: command 23688"},
      // A spelling popup at a word's end ("oc_use" is on by default) writes its line before the text.
      {"abc ghbdtn{Shift+Left}{Shift+Left}{Shift+Home}{Shift+Right}{Shift+Pause}", {}, "text: aис привет\n"},
      {"privet{SelectAll}{Ctrl+T}", {}, "text: привет\n"},
      {"privet{SelectAll}{Ctrl+T}", {"--translit", "/"}, "text: privet\n"},  // a folder without tables
      {"hello{Shift+Left}{Shift+Left}{Ctrl+X}{Home}{Ctrl+V}", {}, "text: lohel\n"},
  };
  for (const Case& c : cases) {
    Outcome r = type(c.script, c.extra);
    ASSERT_EQ(r.status, 0) << c.script << ": " << r.err;
    EXPECT_NE(r.out.find(c.report), std::string::npos) << c.script << ":\n" << r.out;
  }
  EXPECT_EQ(type("x", {"--translit", "/nonexistent/folder"}).status, 2);
}

// One run's clipboard.dat and notes.dat are the next run's.
TEST(OrvantaSimType, HistoryAndNotesFilesCarryOverToTheNextRun) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  TestFiles dir;
  const std::string h = dir.path("h.dat"), n = dir.path("n.dat");
  const std::vector<std::string> first{"--history-file", h, "--notes-file", n,
                                       "--note", "ab=two\nlines", "--note", "mfg=Mit freundlichen Grüßen"};
  EXPECT_EQ(type("x{SelectAll}{Ctrl+C}", first).status, 0);
  Outcome r = type("say mfg ", {"--history-file", h, "--notes-file", n, "--history", "--notes"});
  // The first check after a start takes the clipboard's text again ("keep"
  // goes back to the top); the notes keep their order.
  EXPECT_EQ(r.out.substr(0, r.out.find("layout:")), "text: say Mit freundlichen Grüßen\n");
  EXPECT_EQ(r.out.substr(r.out.find("history:")),
            "history: keep\nhistory: x\nnote: ab\ttwo\\nlines\nnote: mfg\tMit freundlichen Grüßen\n");
}

TEST(OrvantaSimMenu, PrintsTheComposedMenuAsAnIndentedTree) {
  TestFiles dir;
  const std::string h = dir.path("history.dat");
  ClipboardHistory history;
  history.addToHistory(str16(u"say \"hi\"\r\nbye"));
  ASSERT_TRUE(saveHistoryFile(utf8ToUtf16(h), history));
  Outcome r = run({"menu", "--set", "clipboard.menu_clpbrd_first=0", "--set", "clipboard.menu_notes_as_sub=0",
                   "--history-file", h, "--layouts", "us", "--app", "x.exe"});
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

// The evaluator's sentence mode judges each typed word by what the
// application shows at its place, whatever script the other words are in.
std::string verdicts(const char* lang, const char* typed, const char* shown, bool keepInner = false) {
  std::string out;
  for (bool ok : wordsShownAsTyped(lang, utf8ToUtf16(typed), utf8ToUtf16(shown), keepInner)) out += ok ? '+' : '-';
  return out;
}

TEST(EvalWords, EachWordIsJudgedByTheTokenShownAtItsPlace) {
  struct Case {
    const char *lang, *typed, *shown, *expect;
    bool keepInner;
  } cases[] = {
      {"en", "Alex Haley was adopted!", "Фдуч Haley was adopted!", "-+++", false},
      {"en", "Alex Haley was adopted!", "Alex Haley was adopted!", "++++", false},
      {"en", "Alex Haley was adopted!", "Фдуч Рфдун цфы фвщзеув!", "----", false},
      {"ru", "привет мир", "ghbdtn мир", "-+", false},
      {"ru", "привет, мир", "привет? мир", "++", false},       // only the word's own letters count
      {"en", "don't go", "вщтэе go", "--+", false},            // two words inside one token
      {"en", "don't go", "вщтэе go", "-+", true},
      {"en", "one two three", "one three", "+-+", false},      // a lost token: the rest still pairs
      {"en", "one two three", "one two  three four", "+++", false},
      {"en", "one two", "one twoo", "+-", false},              // a token that changed its length
      {"en", "", "anything", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " | " + c.shown);
    EXPECT_EQ(verdicts(c.lang, c.typed, c.shown, c.keepInner), c.expect);
  }
}

}  // namespace
}  // namespace orv::simtool
