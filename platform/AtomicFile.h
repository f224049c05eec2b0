#pragma once
// Writes a file so that a crash or a full disk never leaves it half written:
// the data goes to a temporary file in the same folder, which replaces the
// target in one rename only after every byte was written and flushed.

#include <cstdio>

#include "core/Str.h"

namespace orv {

class AtomicFile {
 public:
  explicit AtomicFile(const Str16& path);
  ~AtomicFile();  // discards the temporary file unless commit() succeeded
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // The stream to write to, or null when the temporary file cannot be created.
  FILE* stream() const { return myFile; }
  bool write(const void* data, size_t len);

  // Flushes, closes and puts the file in place; false (and the old file
  // untouched) on any failure, including an earlier failed write.
  bool commit();

 private:
  Str16 myPath;
  Str16 myTemp;
  FILE* myFile = nullptr;
  bool myFailed = false;
};

// One-call form for a whole buffer.
bool writeFileAtomically(const Str16& path, const void* data, size_t len);

}  // namespace orv
