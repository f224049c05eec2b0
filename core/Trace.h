#pragma once
// Trace lines of the language code (charset look-ups, dictionary loading):
// standard output unless a sink is set.

#include "core/TextChannel.h"

namespace orv {

TextChannel& traceChannel();

using TraceSink = TextChannel::Sink;
// Installs a sink (null restores standard output); returns the previous one.
inline TraceSink setTraceSink(TraceSink sink, void* context = nullptr) {
  return traceChannel().setSink(sink, context);
}

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
