#pragma once
// Replacing the running program's file by a downloaded one so that a failure
// at any point leaves a program that starts: the running file steps aside as
// "<path>.old" (an ".old" left by an earlier update is replaced), the new
// bytes go in under the program's name, and when they cannot be written
// whole the old file goes back. The file operations are the platform's.

#include <cstddef>
#include <cstdint>

#include "core/Str.h"

namespace orv {

class ExecutableFiles {
 public:
  virtual ~ExecutableFiles() = default;
  // Renames `from` to `to`, replacing a file of that name.
  virtual bool move(const Str16& from, const Str16& to) = 0;
  // Creates `path` (which must not exist) with these bytes; false when they
  // could not all be written (a partial file may be left).
  virtual bool write(const Str16& path, const uint8_t* data, size_t size) = 0;
  virtual void remove(const Str16& path) = 0;
};

enum class SwapResult { Replaced, CannotMove, CannotWrite };

// `exe` keeps its contents unless the result is Replaced.
SwapResult swapExecutable(ExecutableFiles& files, const Str16& exe, const uint8_t* data, size_t size);

Str16 oldExecutablePath(const Str16& exe);  // "<exe>.old"

}  // namespace orv
