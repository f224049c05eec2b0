#include "support/ScratchFolder.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>

#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv::test {

namespace {
std::atomic<int> g_counter{0};
}

ScratchFolder::ScratchFolder() {
  std::random_device rd;
  auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "orv-test-" + std::to_string(rd() ^ static_cast<unsigned>(now)) + "-" +
                       std::to_string(g_counter++);
    myPath = joinPath(tempFolder(), view(utf8ToUtf16(name)));
    if (createFolder(myPath)) return;
  }
}

ScratchFolder::~ScratchFolder() { removeTree(myPath); }

Str16 ScratchFolder::file(std::string_view relative) const {
  Str16 rel = utf8ToUtf16(relative);
  for (char16_t& c : rel)
    if (c == u'/') c = pathSeparator();
  return joinPath(myPath, view(rel));
}

Str16 ScratchFolder::file(std::u16string_view name) const {
  Str16 p = myPath;
  p.append(u'\\');
  appendText(p, name);
  return p;
}

Str8 ScratchFolder::file8(std::string_view name) const { return toNarrow(file(view(utf8ToUtf16(name))), kCpAnsi); }

Str16 ScratchFolder::folder(std::string_view relative) const {
  Str16 full = file(relative);
  for (int32_t i = myPath.size() + 1; i <= full.size(); ++i)
    if (i == full.size() || full[i] == pathSeparator()) createFolder(Str16(full.data(), i));  // an existing one stays
  return full;
}

bool writeBytes(const Str16& path, std::string_view bytes) {
  return writeFileBytes(path, bytes.data(), static_cast<int32_t>(bytes.size()));
}

std::string readBytes(const Str16& path) {
  Str8 bytes;
  readFileBytes(path, bytes);
  return std::string(view(bytes));
}

void removeTree(const Str16& path) {
  ArrT<FolderEntry> entries;
  listFolder(path, entries);  // none when it cannot be read
  for (const FolderEntry& e : entries) {
    Str16 child = joinPath(path, view(e.name));
    if (e.isFolder)
      removeTree(child);
    else
      removeFile(child);
  }
  removeFolder(path);
}

}  // namespace orv::test
