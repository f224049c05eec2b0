#pragma once
// Trace lines of the language code (charset look-ups, dictionary loading).
// They go to standard output unless a sink is set; tests set one to read them.

#include <string>

namespace orv {

using TraceSink = void (*)(const std::string& line, void* context);

// Installs a sink (null restores standard output); returns the previous one.
TraceSink setTraceSink(TraceSink sink, void* context = nullptr);

// printf-style; the text is passed on as it is (callers end lines with \n).
void traceLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A sink that collects every line into a string while it is alive.
class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  const std::string& text() const { return myText; }

 private:
  static void collect(const std::string& line, void* self);
  std::string myText;
  TraceSink myPrevSink;
  void* myPrevContext;
};

}  // namespace orv
