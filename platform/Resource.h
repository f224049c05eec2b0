#pragma once
// The resource port: raw data resources (type RT_RCDATA) carried inside the
// executable, looked up by name ("default_wav", "en_lng"). Windows:
// FindResourceA, LoadResource, LockResource, SizeofResource on the
// executable. The simulated desktop keeps a table that tests and tools fill
// (platform/sim/SimResource.h).

#include "core/Str.h"

namespace orv {

// The resource's bytes; false (and no bytes) when there is none.
bool loadDataResource(const char* name, Str8& out);

}  // namespace orv
