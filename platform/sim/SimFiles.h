#pragma once
// Helpers of the Linux shell's file port shared with the other Linux ports.
#include <string>

#include "core/Str.h"

namespace orv {
// The path in UTF-8 with every "\" turned into "/".
std::string nativePath(const Str16& path);
}  // namespace orv
