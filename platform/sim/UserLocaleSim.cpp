// Linux shell of the user-locale port.
#include <atomic>

#include "platform/UserLocale.h"
#include "platform/sim/SimUserLocale.h"

namespace orv {
namespace {
std::atomic<uint16_t> g_langId{0x409};
}
uint16_t userDefaultLangId() { return g_langId.load(); }
namespace sim {
void setUserDefaultLangId(uint16_t langId) { g_langId.store(langId); }
}  // namespace sim
}  // namespace orv
