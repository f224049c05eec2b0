#pragma once
// The developer log: printf-style debug lines. They go to the developer
// window when the program has one (it installs a sink), else to standard
// output, which a windowed program does not show.

#include "core/TextChannel.h"

namespace orv {

TextChannel& debugLogChannel();

using DebugLogSink = TextChannel::Sink;
inline DebugLogSink setDebugLogSink(DebugLogSink sink, void* context = nullptr) {
  return debugLogChannel().setSink(sink, context);
}

void debugLog(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Collects the developer log while it is alive.
class DebugLogCapture : public TextChannel::Capture {
 public:
  DebugLogCapture() : TextChannel::Capture(debugLogChannel()) {}
};

}  // namespace orv
