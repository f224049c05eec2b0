#include "core/DebugLog.h"

namespace orv {

TextChannel& debugLogChannel() {
  static TextChannel channel;
  return channel;
}

void debugLog(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  debugLogChannel().write(format, ap);
  va_end(ap);
}

}  // namespace orv
