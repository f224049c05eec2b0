// Index files the system will not handle as asked: one that gives fewer
// bytes than it reports (a file changing under the reader, a special file)
// loads as an empty, damaged index, and a damaged file that cannot be
// renamed aside is never overwritten.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/Trace.h"
#include "language/DubIndex.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

// A system file whose reported size is larger than its content.
std::string shortReadingFile() {
  for (const char* path : {"/sys/kernel/mm/transparent_hugepage/enabled", "/sys/power/state", "/sys/kernel/profiling"}) {
    FILE* f = std::fopen(path, "rb");
    if (!f) continue;
    char buf[8192];
    std::fseek(f, 0, SEEK_END);
    long reported = std::ftell(f);
    std::rewind(f);
    size_t got = std::fread(buf, 1, sizeof buf, f);
    std::fclose(f);
    if (reported > 0 && got > 0 && static_cast<long>(got) < reported) return path;
  }
  return "";
}

TEST(IndexFiles, AFileReadShortLoadsAsAnEmptyDamagedIndex) {
  std::string path = shortReadingFile();
  if (path.empty()) GTEST_SKIP() << "no file here reports more bytes than it gives";
  TraceCapture trace;
  DubIndex d(utf8ToUtf16(path), kPlainNodeWidth);
  EXPECT_TRUE(d.empty());
  EXPECT_TRUE(d.isDamaged());
  EXPECT_NE(trace.text().find("cannot be read in full"), std::string::npos) << trace.text();
}

// The name is as long as a file name may be, so the ".bad" name is too long.
TEST(IndexFiles, ADamagedFileThatCannotBeSetAsideIsNotOverwritten) {
  test::ScratchFolder dir;
  Str16 path = dir.file(std::string(250, 'n') + ".ldic");
  const std::string damaged(4, '\0');  // a node of size 0
  ASSERT_TRUE(test::writeBytes(path, damaged));
  DubIndex d(path, kPlainNodeWidth);
  ASSERT_TRUE(d.isDamaged());
  d.addWord(str8("ok"));
  EXPECT_EQ(d.saveToFile(path), 0);
  EXPECT_EQ(test::readBytes(path), damaged);
  EXPECT_TRUE(d.isDamaged());
}

}  // namespace
}  // namespace orv
