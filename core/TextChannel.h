#pragma once
// A channel of printf-style diagnostic text with a replaceable sink: by
// default standard output. The trace of the language code and the developer
// log are two such channels; tests capture either with TextChannel::Capture.

#include <cstdarg>
#include <string>

#include "core/SynchObject.h"

namespace orv {

class TextChannel {
 public:
  using Sink = void (*)(const std::string& text, void* context);

  // Installs a sink (null restores standard output); returns the previous one.
  Sink setSink(Sink sink, void* context = nullptr);
  // Formats into a buffer of at least 10000 bytes, grown when the text needs more.
  void write(const char* format, va_list args);

  // Collects everything written to the channel while it is alive.
  class Capture {
   public:
    explicit Capture(TextChannel& channel);
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    const std::string& text() const { return myText; }

   private:
    static void collect(const std::string& text, void* self);
    TextChannel& myChannel;
    std::string myText;
    Sink myPrevSink;
    void* myPrevContext;
  };

 private:
  SynchObject myLock;
  Sink mySink = nullptr;
  void* myContext = nullptr;
};

}  // namespace orv
