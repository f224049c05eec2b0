// Where the hook library's copy goes, for any temporary folder Windows gives.
#include <gtest/gtest.h>

#include <string>

#include "app/HookCopy.h"

namespace orv {
namespace {

TEST(HookCopy, AnyTemporaryFolderUpToMaxPathGivesOneSeparatorAndAHexName) {
  const std::u16string longTemp = u"C:\\" + std::u16string(255, u'x') + u"\\";  // 259 characters
  struct Case {
    std::u16string temp;
    uint32_t tick;
    std::u16string path;
  } cases[] = {
      {u"C:\\Temp\\", 0x1A2B, u"C:\\Temp\\orvanta_tmp\\1A2B.hk.dll"},
      {u"C:\\Temp", 0, u"C:\\Temp\\orvanta_tmp\\0.hk.dll"},
      {longTemp, 0xFFFFFFFF, longTemp + u"orvanta_tmp\\FFFFFFFF.hk.dll"},
  };
  for (const Case& c : cases) {
    Str16 folder = hookCopyFolder(str16(c.temp));
    EXPECT_EQ(view(hookCopyPath(folder, c.tick)), c.path);
  }
}

}  // namespace
}  // namespace orv
