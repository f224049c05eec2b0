#pragma once
#include <cstdint>

namespace orv::sim {
// The simulated user's default language identifier.
void setUserDefaultLangId(uint16_t langId);
}  // namespace orv::sim
