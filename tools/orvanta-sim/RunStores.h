#pragma once
// The clipboard history and notes of one `orvanta-sim type` run: the
// program's own clipboard.dat and notes.dat (loaded at the start when they
// exist, saved at the end, so that one run can follow another), notes given
// on the command line, and the lines that show both stores afterwards.

#include <string>
#include <vector>

#include "keyboard/sim/SimDesktop.h"

namespace orv::simtool {

// notes: "SHORTCUT=TEXT" each, added after the file's notes in this order.
bool loadRunStores(sim::SimDesktop& d, const std::string& historyFile, const std::string& notesFile,
                   const std::vector<std::string>& notes, std::string& err);
bool saveRunStores(sim::SimDesktop& d, const std::string& historyFile, const std::string& notesFile,
                   std::string& err);

// "history: TEXT" newest first; "note: SHORTCUT<TAB>TEXT" in list order. A
// line break inside a text is shown as \n.
std::string historyLines(sim::SimDesktop& d);
std::string notesLines(sim::SimDesktop& d);

}  // namespace orv::simtool
