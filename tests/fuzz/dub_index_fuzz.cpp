// libFuzzer target: an arbitrary index file is loaded (and validated), then
// arbitrary words are looked up, walked, suggested and inserted. Nothing may
// crash, hang or read out of bounds; every insertion must leave a tree that
// validates again after a save and a reload and still holds the words.
//
// Input: byte 0 picks the node width (even: plain, odd: cased); bytes 1-2
// (little-endian) give the length N of the index file that follows; the rest
// is words separated by '\n'.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Trace.h"
#include "language/DubIndex.h"
#include "language/Suggest.h"
#include "platform/FileSystem.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace orv;
using fuzz::check;

namespace {

Str16 scratchPath(const std::string& suffix) {
  static std::string base = [] {
    const char* t = std::getenv("TMPDIR");
    return std::string(t && *t ? t : "/tmp") + "/orv-fuzz-" + std::to_string(getpid());
  }();
  return utf8ToUtf16(base + suffix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  [[maybe_unused]] static bool quiet = (setTraceSink([](const std::string&, void*) {}), true);
  if (size < 3) return 0;
  int width = (data[0] & 1) ? kCasedNodeWidth : kPlainNodeWidth;
  size_t n = data[1] | (static_cast<size_t>(data[2]) << 8);
  if (n > size - 3) n = size - 3;
  const uint8_t* file = data + 3;
  const uint8_t* rest = file + n;
  size_t restLen = size - 3 - n;

  const std::string ext = width == kPlainNodeWidth ? ".ldic" : ".udic";
  Str16 path = scratchPath(ext);
  removeFile(scratchPath(ext + ".ch"));
  if (FILE* f = openFile(path, "wb")) {
    std::fwrite(file, 1, n, f);
    std::fclose(f);
  }

  ArrT<Str8> added;
  {
    DubIndex d(path, width);
    size_t start = 0;
    int words = 0;
    char buf[kSuggestBufferBytes];
    for (size_t i = 0; i <= restLen && words < 64; ++i) {
      if (i < restLen && rest[i] != '\n') continue;
      Str8 w(reinterpret_cast<const char*>(rest + start), static_cast<int32_t>(i - start));
      start = i + 1;
      ++words;
      d.hasWord(w);
      d.findEntryPoint(w.data(), w.size());
      Str8 next;
      if (d.findNext(w, next)) check(next.size() > 0 && next.size() <= DubIndex::kMaxWordLen, "findNext length");
      d.collectWords(w, 5);
      if (words <= 4) suggest(d, w.data(), w.size(), buf, sizeof buf);  // the costly one
      if (width == kCasedNodeWidth) {
        d.restoreCase(w);
        d.setCaseMask(w, 0x5);
      }
      if (d.addWord(w) == 1) {
        check(d.hasWord(w), "an added word is stored");
        added.append(w);
      }
    }
    Str16 saved = scratchPath("-saved" + ext);
    if (d.saveToFile(saved) == 1) {
      DubIndex again(saved, width);
      check(!again.isDamaged(), "a saved index validates");
      check(again.byteSize() == d.byteSize(), "a saved index keeps every byte");
      for (int32_t i = 0; i < added.size(); ++i) check(again.hasWord(added[i]), "a saved word is found again");
    }
  }
  return 0;
}
