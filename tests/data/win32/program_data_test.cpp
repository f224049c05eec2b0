// The data the program carries inside itself: the built-in and silent waves
// and the language files, as resources of Orvanta.exe (which lies beside
// the test program).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSys.h"

namespace orv {
namespace {

std::string resource(HMODULE exe, const char* name) {
  HRSRC r = FindResourceA(exe, name, MAKEINTRESOURCEA(10));
  if (!r) return "";
  HGLOBAL g = LoadResource(exe, r);
  const char* p = g ? static_cast<const char*>(LockResource(g)) : nullptr;
  return p ? std::string(p, SizeofResource(exe, r)) : "";
}

std::string sourceFile(const char* rel) {
  Str8 bytes;
  readFileBytes(utf8ToUtf16(std::string("Z:") + ORV_SOURCE_DIR + "/" + rel), bytes);
  return std::string(view(bytes));
}

TEST(ProgramData, WavesAndLanguageFilesAreResources) {
  HMODULE exe = LoadLibraryExW(L"Orvanta.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  for (const char* wave : {"default_wav", "none_wav"}) {
    std::string w = resource(exe, wave);
    ASSERT_GT(w.size(), 44u) << wave;
    EXPECT_EQ(w.substr(0, 4), "RIFF") << wave;
    EXPECT_EQ(w.substr(8, 4), "WAVE") << wave;
  }
  std::string none = resource(exe, "none_wav");
  EXPECT_EQ(none.find_first_not_of('\0', 44), std::string::npos);  // silent
  EXPECT_EQ(resource(exe, "en_lng"), sourceFile("data/lang/en.lng"));
  EXPECT_EQ(resource(exe, "ru_lng"), sourceFile("data/lang/ru.lng"));
  FreeLibrary(exe);
}

}  // namespace
}  // namespace orv
