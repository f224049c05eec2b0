#include "app/ExecutableSwap.h"

namespace orv {

Str16 oldExecutablePath(const Str16& exe) {
  Str16 old = exe;
  appendText(old, u".old");
  return old;
}

SwapResult swapExecutable(ExecutableFiles& files, const Str16& exe, const uint8_t* data, size_t size) {
  const Str16 old = oldExecutablePath(exe);
  if (!files.move(exe, old)) return SwapResult::CannotMove;
  if (files.write(exe, data, size)) return SwapResult::Replaced;
  files.remove(exe);
  files.move(old, exe);
  return SwapResult::CannotWrite;
}

}  // namespace orv
