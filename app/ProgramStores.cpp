#include "app/ProgramStores.h"

#include "app/AppPaths.h"
#include "app/Settings.h"
#include "clipboard/Capture.h"
#include "clipboard/StoreFiles.h"

namespace orv {

void loadProgramStores() {
  StoreLimits limits;
  limits.historyItems = cfgMaxItems1.get() + cfgMaxItemsMore.get();
  limits.notes = cfgMaxNotes1.get() + cfgMaxItemsMore.get();
  theHistory().setCapacity(limits.historyItems);
  loadStores(moduleFolder(), limits);
}

bool saveProgramStores() { return saveStores(moduleFolder()); }

void checkProgramClipboard(Clipboard& clipboard) {
  if (checkClipboard(clipboard, theHistory())) saveProgramStores();
}

}  // namespace orv
