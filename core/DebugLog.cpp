#include "core/DebugLog.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/SynchObject.h"

namespace orv {

namespace {
SynchObject g_logLock;
DebugLogSink g_sink = nullptr;
void* g_context = nullptr;
}  // namespace

DebugLogSink setDebugLogSink(DebugLogSink sink, void* context) {
  SynchObject::Guard g(g_logLock);
  DebugLogSink old = g_sink;
  g_sink = sink;
  g_context = context;
  return old;
}

void debugLog(const char* format, ...) {
  // At least 10000 bytes, grown when a line needs more.
  std::vector<char> buf(10000);
  for (;;) {
    va_list ap;
    va_start(ap, format);
    int n = std::vsnprintf(buf.data(), buf.size(), format, ap);
    va_end(ap);
    if (n < 0) return;
    if (static_cast<size_t>(n) < buf.size()) break;
    buf.resize(static_cast<size_t>(n) + 1);
  }
  SynchObject::Guard g(g_logLock);
  if (g_sink) {
    g_sink(buf.data(), g_context);
  } else {
    std::fputs(buf.data(), stdout);
    std::fflush(stdout);
  }
}

DebugLogCapture::DebugLogCapture() {
  SynchObject::Guard g(g_logLock);
  myPrevSink = g_sink;
  myPrevContext = g_context;
  g_sink = &DebugLogCapture::collect;
  g_context = this;
}

DebugLogCapture::~DebugLogCapture() {
  SynchObject::Guard g(g_logLock);
  g_sink = myPrevSink;
  g_context = myPrevContext;
}

void DebugLogCapture::collect(const std::string& text, void* self) {
  static_cast<DebugLogCapture*>(self)->myText += text;
}

}  // namespace orv
