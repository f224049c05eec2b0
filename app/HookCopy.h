#pragma once
// Where the program puts its copy of the hook library: a folder of its own
// under the user's temporary folder, and in it one file per run named after
// the tick count. Any temporary folder that Windows hands out (up to
// MAX_PATH characters) must do; the copy's path is then a little longer
// than MAX_PATH at most.

#include <cstdint>

#include "core/Str.h"

namespace orv {

// The temporary folder as GetTempPathW gives it (normally ending in "\")
// followed by "orvanta_tmp", with one separator between them.
Str16 hookCopyFolder(const Str16& tempPath);
// "<folder>\<tick in upper-case hexadecimal>.hk.dll".
Str16 hookCopyPath(const Str16& folder, uint32_t tick);

}  // namespace orv
