#pragma once
// The commands of orvanta-sim, callable from tests. Each returns the exit
// status: 0 success, 1 the operation failed (a conversion found no layout),
// 2 bad input (usage, unknown layout, bad script, untypable character).
// Output and messages are UTF-8.

#include <string>
#include <vector>

namespace orv::simtool {

int runOrvantaSim(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace orv::simtool
