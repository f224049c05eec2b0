#pragma once
// The developer log: printf-style debug lines. They go to the developer
// window when the program has one (it installs a sink), else to standard
// output, which a windowed program does not show. Tests read them with
// DebugLogCapture.

#include <string>

namespace orv {

using DebugLogSink = void (*)(const std::string& text, void* context);

DebugLogSink setDebugLogSink(DebugLogSink sink, void* context = nullptr);

void debugLog(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

class DebugLogCapture {
 public:
  DebugLogCapture();
  ~DebugLogCapture();
  const std::string& text() const { return myText; }

 private:
  static void collect(const std::string& text, void* self);
  std::string myText;
  DebugLogSink myPrevSink;
  void* myPrevContext;
};

}  // namespace orv
