#include "support/AppFolder.h"

#include "app/AppPaths.h"
#include "app/Cfg.h"
#include "platform/Profile.h"

namespace orv::test {

AppFolder::AppFolder() : myPrevious(moduleFolder()) {
  setModuleFolder(path());
  forgetAllSettings();
}

AppFolder::~AppFolder() {
  setModuleFolder(myPrevious);
  forgetAllSettings();
}

std::u16string AppFolder::iniValue(const char16_t* section, const char16_t* key) const {
  char16_t buf[4096];
  getProfileString(section, key, u"<missing>", buf, 4096, ini());
  return buf;
}

}  // namespace orv::test
