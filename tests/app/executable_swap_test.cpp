// Installing an update never leaves the user without a program that starts:
// whatever step fails, the program's file keeps its old contents.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/ExecutableSwap.h"

namespace orv {
namespace {

// A folder of files in memory whose moves or writes can be made to fail;
// a failing write leaves half a file, as a full disk does.
class MemoryFiles : public ExecutableFiles {
 public:
  std::map<std::u16string, std::string> files;
  bool moveFails = false;
  bool writeFails = false;

  bool move(const Str16& from, const Str16& to) override {
    auto it = files.find(std::u16string(view(from)));
    if (moveFails || it == files.end()) return false;
    std::string data = it->second;
    files.erase(it);
    files[std::u16string(view(to))] = data;
    return true;
  }
  bool write(const Str16& path, const uint8_t* data, size_t size) override {
    std::u16string p(view(path));
    if (files.count(p)) return false;
    files[p] = std::string(reinterpret_cast<const char*>(data), writeFails ? size / 2 : size);
    return !writeFails;
  }
  void remove(const Str16& path) override { files.erase(std::u16string(view(path))); }
};

TEST(ExecutableSwap, AFailedStepLeavesTheOldProgramInPlace) {
  const std::u16string exe = u"C:\\Orvanta\\Orvanta.exe";
  const std::u16string old = u"C:\\Orvanta\\Orvanta.exe.old";
  const std::string fresh = "new program";
  struct Case {
    const char* name;
    bool leftover;  // an ".old" from an earlier update
    bool moveFails;
    bool writeFails;
    SwapResult result;
    std::string exeAfter;
    const char* oldAfter;  // null: no ".old"
  } cases[] = {
      {"replaced", false, false, false, SwapResult::Replaced, fresh, "old program"},
      {"an earlier .old is replaced", true, false, false, SwapResult::Replaced, fresh, "old program"},
      {"cannot rename", false, true, false, SwapResult::CannotMove, "old program", nullptr},
      {"cannot rename, earlier .old kept", true, true, false, SwapResult::CannotMove, "old program", "older"},
      {"cannot write: the old file goes back", false, false, true, SwapResult::CannotWrite, "old program", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFiles fs;
    fs.files[exe] = "old program";
    if (c.leftover) fs.files[old] = "older";
    fs.moveFails = c.moveFails;
    fs.writeFails = c.writeFails;
    EXPECT_EQ(swapExecutable(fs, str16(exe), reinterpret_cast<const uint8_t*>(fresh.data()), fresh.size()),
              c.result);
    EXPECT_EQ(fs.files[exe], c.exeAfter);
    EXPECT_EQ(fs.files.count(old) ? fs.files[old] : "(none)", c.oldAfter ? c.oldAfter : "(none)");
  }
}

}  // namespace
}  // namespace orv
