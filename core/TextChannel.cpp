#include "core/TextChannel.h"

#include <cstdio>
#include <vector>

namespace orv {

TextChannel::Sink TextChannel::setSink(Sink sink, void* context) {
  SynchObject::Guard g(myLock);
  Sink old = mySink;
  mySink = sink;
  myContext = context;
  return old;
}

void TextChannel::write(const char* format, va_list args) {
  std::vector<char> buf(10000);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buf.data(), buf.size(), format, copy);
    va_end(copy);
    if (n < 0) return;
    if (static_cast<size_t>(n) < buf.size()) break;
    buf.resize(static_cast<size_t>(n) + 1);
  }
  SynchObject::Guard g(myLock);
  if (mySink) {
    mySink(buf.data(), myContext);
  } else {
    std::fputs(buf.data(), stdout);
    std::fflush(stdout);
  }
}

TextChannel::Capture::Capture(TextChannel& channel) : myChannel(channel) {
  SynchObject::Guard g(channel.myLock);
  myPrevSink = channel.mySink;
  myPrevContext = channel.myContext;
  channel.mySink = &Capture::collect;
  channel.myContext = this;
}

TextChannel::Capture::~Capture() {
  SynchObject::Guard g(myChannel.myLock);
  myChannel.mySink = myPrevSink;
  myChannel.myContext = myPrevContext;
}

void TextChannel::Capture::collect(const std::string& text, void* self) {
  static_cast<Capture*>(self)->myText += text;
}

}  // namespace orv
