#pragma once
// The program's clipboard history and notes in the module folder
// (clipboard.dat, notes.dat): loaded once at start-up with the limits of the
// "clipboard" settings, and saved after every change.

#include "clipboard/Clipboard.h"

namespace orv {

void loadProgramStores();
bool saveProgramStores();
// The menu thread's clipboard check; saves when the history changed.
void checkProgramClipboard(Clipboard& clipboard);

}  // namespace orv
