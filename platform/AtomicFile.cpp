#include "platform/AtomicFile.h"

#include "platform/FileSystem.h"

namespace orv {

AtomicFile::AtomicFile(const Str16& path) : myPath(path), myTemp(path) {
  appendText(myTemp, u".tmp");
  myFile = openFile(myTemp, "wb");
}

AtomicFile::~AtomicFile() {
  if (myFile) {
    std::fclose(myFile);
    removeFile(myTemp);
  }
}

bool AtomicFile::write(const void* data, size_t len) {
  if (!myFile || myFailed) return false;
  if (len > 0 && std::fwrite(data, 1, len, myFile) != len) myFailed = true;
  return !myFailed;
}

bool AtomicFile::commit() {
  if (!myFile) return false;
  bool ok = !myFailed && !std::ferror(myFile) && flushFile(myFile);
  ok = (std::fclose(myFile) == 0) && ok;
  myFile = nullptr;
  if (ok) ok = replaceFile(myTemp, myPath);
  if (!ok) removeFile(myTemp);
  return ok;
}

bool writeFileAtomically(const Str16& path, const void* data, size_t len) {
  AtomicFile f(path);
  return f.write(data, len) && f.commit();
}

}  // namespace orv
