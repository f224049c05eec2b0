#include "support/TempFolder.h"

#include <atomic>
#include <chrono>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <filesystem>

#include "platform/sim/SimFiles.h"
#endif

#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv::test {

namespace {
std::atomic<int> g_counter{0};

#ifdef _WIN32
unsigned long processId() { return GetCurrentProcessId(); }
#else
unsigned long processId() { return static_cast<unsigned long>(getpid()); }
#endif
}  // namespace

TempFolder::TempFolder() {
  long long ticks = std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007LL;
  std::string name =
      "orv_test_" + std::to_string(processId()) + "_" + std::to_string(ticks) + "_" + std::to_string(++g_counter);
  myPath = tempFolder();
  while (myPath.size() && (myPath.last() == u'\\' || myPath.last() == u'/')) myPath.isetSize(myPath.size() - 1);
  myPath.append(u'\\');
  appendText(myPath, view(utf8ToUtf16(name)));
  createFolder(myPath);
}

TempFolder::~TempFolder() { removeTree(myPath); }

Str16 TempFolder::file(std::u16string_view name) const {
  Str16 p = myPath;
  p.append(u'\\');
  appendText(p, name);
  return p;
}

Str8 TempFolder::file8(std::string_view name) const {
  return toNarrow(file(view(utf8ToUtf16(name))), kCpAnsi);
}

}  // namespace orv::test
