#pragma once
// Base64 with the standard alphabet and "=" padding (for the proxy's Basic
// authorisation header).

#include <cstddef>

#include "core/Str.h"

namespace orv {

Str8 base64Encode(const void* data, size_t size);

}  // namespace orv
