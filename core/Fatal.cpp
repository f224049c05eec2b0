#include "core/Fatal.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orv {

namespace {
FatalHandler g_handler = nullptr;
}

FatalHandler setFatalHandler(FatalHandler handler) {
  FatalHandler old = g_handler;
  g_handler = handler;
  return old;
}

void fatalFailure(const char* conditionText, const char* file, int line) {
  std::fprintf(stderr, "fatal: %s (%s:%d)\n", conditionText, file, line);
  std::fflush(stderr);
#ifdef _WIN32
  char buf[1024];
  std::snprintf(buf, sizeof buf, "fatal: %s (%s:%d)\n", conditionText, file, line);
  OutputDebugStringA(buf);
#endif
  if (g_handler) g_handler(conditionText, file, line);
  std::abort();
}

}  // namespace orv
