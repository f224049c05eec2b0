// dictool: build a folder from a small UTF-8 list, then ask it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"
#include "tools/dictool/DicTool.h"

namespace orv {
namespace {

using namespace test;  // the scratch folder and its whole-file helpers

struct ToolRun {
  int rc;
  std::string out, err;
};

std::string drain(FILE* f) {
  std::string s;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
  std::fclose(f);
  return s;
}

ToolRun dictool(std::vector<std::string> args, const std::string& input = "") {
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  FILE* in = std::tmpfile();
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  std::fputs(input.c_str(), in);
  std::rewind(in);
  int rc = runDicTool(static_cast<int>(argv.size()), argv.data(), in, out, err);
  std::fclose(in);
  return {rc, drain(out), drain(err)};
}

struct DicToolTest : ::testing::Test {
  ScratchFolder dir;
  std::string path(const char* rel) { return utf16ToUtf8(dir.file(rel)); }
};

TEST_F(DicToolTest, BuildReadsTheListAndItsOptionsReachTheDictionary) {
  writeBytes(dir.file("words.txt"),
             "\xEF\xBB\xBF" "ёлка\r\nпривет\nМосква\n\nhello\nкот\n" + std::string(100, 'z') + "\nçava\n");
  writeBytes(dir.file("eq.txt"), "ё е\n");
  ToolRun b = dictool({"build", "--charset", "windows-1251", "--title", "Тест", "--equality", path("eq.txt"),
                   path("words.txt"), path("ru_RU")});
  ASSERT_EQ(b.rc, 0) << b.err;
  EXPECT_EQ(b.out,
            "read 7 words: 4 plain, 1 cased; skipped 1 the code page cannot hold, 1 of 100 bytes or more\n");

  // What the answers mean is the dictionary tests'; here, that the options reach it.
  ToolRun c = dictool({"check", path("ru_RU"), "привет", "при", "Москва", "елка", "ЁЛКА"});
  ASSERT_EQ(c.rc, 0) << c.err;
  EXPECT_EQ(c.out,
            "привет\t1\t1\n"
            "при\t2\t0\n"
            "Москва\t1\t1\n"
            "елка\t1\t1\n"
            "ЁЛКА\t0\t0\n");  // the equality file maps only the small letter

  EXPECT_EQ(dictool({"check", path("ru_RU"), "-"}, "кот\nкоты\n").out, "кот\t1\t1\nкоты\t0\t0\n");

  EXPECT_EQ(dictool({"dump", path("ru_RU")}).out, "москва\nhello\nелка\nкот\nпривет\n");
  ToolRun stats = dictool({"stats", path("ru_RU")});
  EXPECT_NE(stats.out.find("title: Тест\n"), std::string::npos);
  EXPECT_NE(stats.out.find("words: 5 (plain 4, cased 1)\n"), std::string::npos);
  EXPECT_NE(stats.out.find("charset: windows-1251\n"), std::string::npos);
}

TEST_F(DicToolTest, CompleteAndSuggestAnswerFromTheFolder) {
  writeBytes(dir.file("w.txt"), "the\nthen\nthere\nThebes\nother\n");
  ASSERT_EQ(dictool({"build", path("w.txt"), path("en_US")}).rc, 0);
  EXPECT_EQ(dictool({"complete", path("en_US"), "th"}).out, "Thebes\nthe\nthen\nthere\n");
  EXPECT_EQ(dictool({"complete", "--max", "1", path("en_US"), "th"}).out, "the\n");
  EXPECT_EQ(dictool({"suggest", path("en_US"), "teh"}).out, "the\n");
}

TEST_F(DicToolTest, BadArgumentsExitWithTwo) {
  const std::vector<std::vector<std::string>> runs = {
      {}, {"frobnicate"}, {"build", "only-one"}, {"build", "--charset", "no-such", path("w.txt"), path("x")},
      {"check", path("nowhere"), "a"}, {"complete", "--max", "x", path("a"), "b"}, {"dump"}};
  for (const auto& args : runs) EXPECT_EQ(dictool(args).rc, 2) << (args.empty() ? "" : args.back());
  EXPECT_FALSE(pathExists(dir.file("nowhere")));  // asking never creates a folder
  ToolRun missing = dictool({"build", path("missing.txt"), path("x")});
  EXPECT_EQ(missing.rc, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

TEST_F(DicToolTest, ADamagedIndexIsReportedAndReadAsEmpty) {
  dir.folder("xx");
  writeBytes(dir.file("xx/xx.ldic"), std::string("a\0\0\0", 4));  // a node of size 0
  ToolRun c = dictool({"check", path("xx"), "a"});
  EXPECT_EQ(c.rc, 0);
  EXPECT_EQ(c.out, "a\t0\t0\n");
  EXPECT_NE(c.err.find("is not a valid index"), std::string::npos);
}

// A target that cannot be written exits with 1, whatever part of it fails.
TEST_F(DicToolTest, AnUnwritableTargetExitsWithOne) {
  writeBytes(dir.file("words.txt"), "hello\n");
  writeBytes(dir.file("eq.txt"), "a b\n");
  writeBytes(dir.file("file"), "");
  dir.folder("charset_is_a_folder/charset");
  dir.folder("equality_is_a_folder/equality");
  const std::vector<std::vector<std::string>> runs = {
      {"build", path("words.txt"), path("file/x")},  // a folder below a file
      {"build", path("words.txt"), path("charset_is_a_folder")},
      {"build", "--equality", path("eq.txt"), path("words.txt"), path("equality_is_a_folder")},
  };
  for (const auto& args : runs) {
    ToolRun r = dictool(args);
    EXPECT_EQ(r.rc, 1) << args.back() << "\n" << r.err;
    EXPECT_NE(r.err.find("cannot"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace orv
