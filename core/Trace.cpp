#include "core/Trace.h"

namespace orv {

TextChannel& traceChannel() {
  static TextChannel channel;
  return channel;
}

void traceLine(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  traceChannel().write(format, ap);
  va_end(ap);
}

}  // namespace orv
