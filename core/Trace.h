#pragma once
// Trace lines of the language code (charset look-ups, dictionary loading):
// standard output unless a sink is set.

#include "core/TextChannel.h"

namespace orv {

TextChannel& traceChannel();

void traceLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Collects the trace while it is alive.
class TraceCapture : public TextChannel::Capture {
 public:
  TraceCapture() : TextChannel::Capture(traceChannel()) {}
};

}  // namespace orv
