#pragma once
// A fresh folder under the user's temporary folder for one test, removed
// with everything in it when the test ends. Works on both builds (under Wine
// the temporary folder is a Windows path; the Linux file port reads "\" as
// "/", so "\" paths are valid on both).

#include <string>
#include <string_view>

#include "core/Str.h"

namespace orv::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const Str16& path() const { return myPath; }
  // path + separator + relative path (UTF-8, '/' separated).
  Str16 file(std::string_view relative) const;
  // path + "\" + name (name may hold further "\"), as the program builds paths.
  Str16 file(std::u16string_view name) const;
  Str8 file8(std::string_view name) const;  // file(name) in the ANSI code page
  // Creates a sub-folder (and its parents).
  Str16 folder(std::string_view relative) const;

 private:
  Str16 myPath;
};

// Whole-file helpers for tests.
bool writeBytes(const Str16& path, std::string_view bytes);
std::string readBytes(const Str16& path);  // empty when missing
void removeTree(const Str16& path);

}  // namespace orv::test
