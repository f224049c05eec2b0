#pragma once
// The user's default language (GetUserDefaultLangID on Windows). The
// simulated desktop answers what a test set (platform/sim/SimUserLocale.h),
// 0x409 (English, United States) unless set.
#include <cstdint>

namespace orv {
uint16_t userDefaultLangId();
}  // namespace orv
