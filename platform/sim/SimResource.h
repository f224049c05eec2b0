#pragma once
// The simulated executable's data resources.
#include "core/Str.h"

namespace orv::sim {
// Adds or replaces a resource; removeResource takes it away again.
void setResource(const char* name, const Str8& bytes);
void removeResource(const char* name);
void clearResources();
}  // namespace orv::sim
