#pragma once
// readBytes and writeBytes come from ScratchFolder.h.
#include "support/ScratchFolder.h"
// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the object goes. Paths use "\" on both builds
// (the Linux file port reads it as "/"), so they are valid under Wine too.
#include <string_view>

#include "core/Str.h"

namespace orv::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const Str16& path() const { return myPath; }
  // path + "\" + name (name may hold further "\").
  Str16 file(std::u16string_view name) const;
  Str8 file8(std::string_view name) const;  // the same in the ANSI code page

 private:
  Str16 myPath;
};

// Whole-file helpers on 16-bit paths.

}  // namespace orv::test
