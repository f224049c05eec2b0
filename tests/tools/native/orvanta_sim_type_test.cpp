// orvanta-sim type and eval over the shipped dictionaries (scripts/dictionaries
// builds them; the shipped-dictionary tests need them as well).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "support/ShippedDictionaries.h"
#include "tools/orvanta-sim/SimCommands.h"

namespace orv::simtool {
namespace {

struct SimRunResult {
  int status;
  std::string out, err;
};

SimRunResult sim(std::vector<std::string> args) {
  SimRunResult r;
  r.status = runOrvantaSim(args, r.out, r.err);
  return r;
}

SimRunResult type(const std::string& script, std::vector<std::string> extra = {}) {
  std::vector<std::string> a{"type", "--layouts", "us,ru", "--active", "us", "--clipboard", "keep"};
  a.insert(a.end(), extra.begin(), extra.end());
  a.push_back(script);
  return sim(a);
}

// What a switch and Pause do is the simulation tests' (tests/sim); these check
// the command's options and its report.
TEST(OrvantaSimType, ReportsTextLayoutClipboardAndSounds) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  SimRunResult r = type("ghbdtn ");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "text: привет \nlayout: ru\nclipboard: keep\nsounds: snd_KEY snd_KEY snd_NOT_FOUND snd_NOT_FOUND "
                   "snd_NOT_FOUND snd_NOT_FOUND snd_SWITCH\n");
}

TEST(OrvantaSimType, SetOverridesForTheRunAndSoundsCanBeSilenced) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  SimRunResult off = type("ghbdtn ", {"--set", "common.autosw_use=0", "--set", "common.sound_on=0"});
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_EQ(off.out, "text: ghbdtn \nlayout: us\nclipboard: keep\nsounds: -\n");
  SimRunResult hk = type("ghbdtn {Pause}", {"--set", "hotkey.!!switch_back=0"});
  EXPECT_NE(hk.out.find("text: привет \n"), std::string::npos);  // Pause is no hotkey now
  SimRunResult traced = type("ghbdtn ", {"--trace"});
  EXPECT_NE(traced.out.find("trace: command 23688"), std::string::npos);
}

TEST(OrvantaSimType, BadArgumentsExitWithTwo) {
  EXPECT_EQ(type("x", {"--set", "common.nothing=1"}).status, 2);
  EXPECT_EQ(type("x", {"--set", "common.autosw_use=yes"}).status, 2);
  EXPECT_EQ(type("x", {"--dic", "/nonexistent/folder"}).status, 2);
  EXPECT_EQ(sim({"type", "--layouts", "us,xx", "--active", "us", "x"}).status, 2);
  EXPECT_EQ(sim({"type", "--layouts", "us,ru", "--active", "ua", "x"}).status, 2);
  EXPECT_EQ(sim({"type", "--layouts", "us,ru", "--active", "us"}).status, 2);
  EXPECT_EQ(type("{Nope}").status, 2);
}

TEST(OrvantaSimEval, CountsFixesAndFalseSwitchesWithAMachineReadableLastLine) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::string path = ::testing::TempDir() + "orv_eval_corpus.txt";
  {
    std::ofstream f(path);
    f << "Привет, мир! Вопрос и ответ.\n";
  }
  SimRunResult r = sim({"eval", "--layouts", "us,ru", "--lang", "ru", path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 5\n"), std::string::npos) << r.out;
  size_t last = r.out.rfind("summary: words=5 recall3=100.00% false=0.000% p50=");
  EXPECT_NE(last, std::string::npos) << r.out;
  SimRunResult s = sim({"eval", "--layouts", "us,ru", "--lang", "ru", "--sentences", path});
  EXPECT_NE(s.out.find("summary: words=5 "), std::string::npos) << s.out;
  std::remove(path.c_str());
  EXPECT_EQ(sim({"eval", "--layouts", "us,ru", "--lang", "de", path}).status, 2);
}

TEST(OrvantaSimEval, WordsAreTheAnalysersLetterRunsUnlessInnerMarksAreKept) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  std::string path = ::testing::TempDir() + "orv_eval_inner.txt";
  std::string misses = ::testing::TempDir() + "orv_eval_misses.txt";
  {
    std::ofstream f(path);
    f << "Что-то и ответ\n";
  }
  SimRunResult r = sim({"eval", "--layouts", "us,ru", "--lang", "ru", "--misses", misses, path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("words tested: 4\n"), std::string::npos) << r.out;
  std::ifstream m(misses, std::ios::binary);
  std::string listed((std::istreambuf_iterator<char>(m)), std::istreambuf_iterator<char>());
  // one and two letters are never switched; the words of 3+ letters are
  EXPECT_NE(listed.find("miss\tи\t1\n"), std::string::npos) << listed;
  EXPECT_NE(listed.find("miss\tто\t1\n"), std::string::npos) << listed;
  EXPECT_EQ(listed.find("ответ"), std::string::npos) << listed;

  SimRunResult k = sim({"eval", "--layouts", "us,ru", "--lang", "ru", "--keep-inner", path});
  EXPECT_NE(k.out.find("words tested: 3\n"), std::string::npos) << k.out;
  EXPECT_NE(k.out.find("misses of 3+ letters: Что-то (1)"), std::string::npos) << k.out;
  EXPECT_EQ(sim({"eval", "--layouts", "us,ru", "--lang", "ru", "--set", "common.nothing=1", path}).status, 2);
  EXPECT_EQ(sim({"eval", "--layouts", "us,ru", "--lang", "ru", "--misses", "/nonexistent/dir/m.txt", path}).status,
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
      {"ghbdtn{SelectAll}{Shift+Pause}", {}, "привет"},
      {"abc ghbdtn{Shift+Left}{Shift+Left}{Shift+Home}{Shift+Right}{Shift+Pause}", {}, "aис привет"},
      {"privet{SelectAll}{Ctrl+T}", {}, "привет"},
      {"privet{SelectAll}{Ctrl+T}", {"--translit", "/"}, "privet"},  // a folder without tables
      {"privet{SelectAll}{Ctrl+T}", {"--set", "translit.active=*"}, "privet"},
      {"hello{Shift+Left}{Shift+Left}{Ctrl+X}{Home}{Ctrl+V}", {}, "lohel"},
  };
  for (const Case& c : cases) {
    SimRunResult r = type(c.script, c.extra);
    ASSERT_EQ(r.status, 0) << c.script << ": " << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), std::string("text: ") + c.text) << c.script;
  }
  EXPECT_EQ(type("x", {"--translit", "/nonexistent/folder"}).status, 2);
}

}  // namespace
}  // namespace orv::simtool
