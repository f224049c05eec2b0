#pragma once
// A fresh module folder for one test: the program's paths and every setting
// object point into a new temporary folder while the object lives, and back
// to the previous folder (settings unread again) afterwards.
#include <string>

#include "support/ScratchFolder.h"

namespace orv::test {

class AppFolder : public ScratchFolder {
 public:
  AppFolder();
  ~AppFolder();
  Str16 ini() const { return file(u"Orvanta.ini"); }
  // The INI file's value as the program's profile functions read it; "<missing>" when absent.
  std::u16string iniValue(const char16_t* section, const char16_t* key) const;

 private:
  Str16 myPrevious;
};

}  // namespace orv::test
