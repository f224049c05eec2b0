// Windows shell of the user-locale port.
#include <windows.h>

#include "platform/UserLocale.h"

namespace orv {
uint16_t userDefaultLangId() { return GetUserDefaultLangID(); }
}  // namespace orv
