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
void removeTree(const Str16& path) {
  Str16 pattern = path;
  appendText(pattern, u"\\*");
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(reinterpret_cast<const wchar_t*>(pattern.data()), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::u16string_view name(reinterpret_cast<const char16_t*>(fd.cFileName));
      if (name == u"." || name == u"..") continue;
      Str16 child = path;
      child.append(u'\\');
      appendText(child, name);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(child);
      else
        DeleteFileW(reinterpret_cast<const wchar_t*>(child.data()));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(reinterpret_cast<const wchar_t*>(path.data()));
}
unsigned long processId() { return GetCurrentProcessId(); }
#else
void removeTree(const Str16& path) {
  std::error_code ec;
  std::filesystem::remove_all(nativePath(path), ec);
}
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

std::string readBytes(const Str16& path) {
  Str8 b;
  readFileBytes(path, b);
  return std::string(view(b));
}

void writeBytes(const Str16& path, std::string_view bytes) {
  writeFileBytes(path, bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace orv::test
