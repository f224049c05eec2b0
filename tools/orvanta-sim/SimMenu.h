#pragma once
// orvanta-sim menu: the clipboard menu as the program composes it, printed
// as an indented tree (docs/orvanta-sim.md gives the format).

#include <string>
#include <vector>

#include "clipboard/XMenu.h"

namespace orv::simtool {

int cmdMenu(const std::vector<std::string>& args, std::string& out, std::string& err);

// One line per node, two spaces of indent per level below `menu`.
std::string menuTree(const XMenu& menu, int32_t level = 0);

}  // namespace orv::simtool
