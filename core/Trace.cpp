#include "core/Trace.h"

#include <cstdarg>
#include <cstdio>

#include "core/SynchObject.h"

namespace orv {

namespace {
SynchObject g_traceLock;
TraceSink g_sink = nullptr;
void* g_context = nullptr;
}  // namespace

TraceSink setTraceSink(TraceSink sink, void* context) {
  SynchObject::Guard g(g_traceLock);
  TraceSink old = g_sink;
  g_sink = sink;
  g_context = context;
  return old;
}

void traceLine(const char* format, ...) {
  char buf[1024];
  va_list ap;
  va_start(ap, format);
  std::vsnprintf(buf, sizeof buf, format, ap);
  va_end(ap);
  SynchObject::Guard g(g_traceLock);
  if (g_sink) {
    g_sink(buf, g_context);
  } else {
    std::fputs(buf, stdout);
    std::fflush(stdout);
  }
}

TraceCapture::TraceCapture() {
  SynchObject::Guard g(g_traceLock);
  myPrevSink = g_sink;
  myPrevContext = g_context;
  g_sink = &TraceCapture::collect;
  g_context = this;
}

TraceCapture::~TraceCapture() {
  SynchObject::Guard g(g_traceLock);
  g_sink = myPrevSink;
  g_context = myPrevContext;
}

void TraceCapture::collect(const std::string& line, void* self) {
  static_cast<TraceCapture*>(self)->myText += line;
}

}  // namespace orv
