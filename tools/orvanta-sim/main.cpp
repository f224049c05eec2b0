// orvanta-sim: the keyboard code in the simulated desktop, from the command
// line. The commands are in SimCommands.cpp.

#include <cstdio>
#include <string>
#include <vector>

#include "tools/orvanta-sim/SimCommands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out, err;
  int status = orv::simtool::runOrvantaSim(args, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (!err.empty()) std::fprintf(stderr, "orvanta-sim: %s", err.c_str());
  return status;
}
