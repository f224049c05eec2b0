#include "support/AppFolder.h"

#include "app/AppPaths.h"
#include "app/Cfg.h"

namespace orv::test {

AppFolder::AppFolder() : myPrevious(moduleFolder()) {
  setModuleFolder(path());
  forgetAllSettings();
}

AppFolder::~AppFolder() {
  setModuleFolder(myPrevious);
  forgetAllSettings();
}

}  // namespace orv::test
