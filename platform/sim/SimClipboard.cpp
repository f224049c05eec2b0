#include "platform/sim/SimClipboard.h"

#include <cstring>

namespace orv {
namespace sim {

bool SimClipboard::open() {
  ++myOpenCalls;
  if (myOpen || myNow < myHeldUntil) return false;
  myOpen = true;
  return true;
}

void SimClipboard::close() { myOpen = false; }

bool SimClipboard::empty() {
  if (!myOpen) return false;
  myFormats.clear();
  return true;
}

bool SimClipboard::isFormatAvailable(unsigned format) { return myFormats.contains(format); }

bool SimClipboard::getData(unsigned format, ArrT<char>& block) {
  block.clear();
  if (!myOpen) return false;
  const ArrT<char>* b = myFormats.get(format);
  if (!b) return false;
  block = *b;
  return true;
}

bool SimClipboard::setData(unsigned format, const void* bytes, int32_t size) {
  if (!myOpen || size < 0) return false;
  ArrT<char> b(static_cast<const char*>(bytes), size);
  myFormats.put(format, b);
  return true;
}

void SimClipboard::putText(const char16_t* text, int32_t len) {
  myFormats.clear();
  ArrT<char> b(reinterpret_cast<const char*>(text), len * 2);
  b.append("\0\0", 2);
  myFormats.put(kCfUnicodeText, b);
}

void SimClipboard::reset() {
  myFormats.clear();
  myOpen = false;
  myHeldUntil = 0;
  myOpenCalls = 0;
}

SimClipboard& simClipboard() {
  static SimClipboard clipboard;
  return clipboard;
}

}  // namespace sim

ClipboardPort& systemClipboard() { return sim::simClipboard(); }

}  // namespace orv
