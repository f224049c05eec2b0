#include "platform/sim/SimClipboard.h"

#include "core/Str.h"
#include "platform/Text.h"

namespace orv {
namespace sim {

namespace {
constexpr unsigned kFirstRegistered = 0xC000;
}

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

ArrT<char>* SimClipboard::find(unsigned format) {
  for (auto& f : myFormats)
    if (f.first == format) return &f.second;
  return nullptr;
}

bool SimClipboard::isFormatAvailable(unsigned format) { return find(format) != nullptr; }

unsigned SimClipboard::enumFormats(unsigned format) {
  if (!myOpen) return 0;
  size_t k = 0;
  if (format != 0) {
    while (k < myFormats.size() && myFormats[k].first != format) ++k;
    ++k;
  }
  return k < myFormats.size() ? myFormats[k].first : 0;
}

unsigned SimClipboard::registerFormat(const char16_t* name) {
  if (!name || !*name) return 0;
  std::u16string n(name);
  for (size_t k = 0; k < myRegistered.size(); ++k)
    if (myRegistered[k] == n) return kFirstRegistered + static_cast<unsigned>(k);
  myRegistered.push_back(n);
  return kFirstRegistered + static_cast<unsigned>(myRegistered.size() - 1);
}

int64_t SimClipboard::dataSize(unsigned format) {
  const ArrT<char>* b = myOpen ? find(format) : nullptr;
  return b ? b->size() : -1;
}

bool SimClipboard::getData(unsigned format, ArrT<char>& block) {
  block.clear();
  const ArrT<char>* b = myOpen ? find(format) : nullptr;
  if (!b) return false;
  block = *b;
  return true;
}

bool SimClipboard::setData(unsigned format, const void* bytes, int32_t size) {
  if (!myOpen || size < 0) return false;
  ArrT<char> b(static_cast<const char*>(bytes), size);
  if (ArrT<char>* old = find(format)) *old = b;
  else myFormats.emplace_back(format, b);
  return true;
}

void SimClipboard::putText(const char16_t* text, int32_t len) {
  myFormats.clear();
  ArrT<char> b(reinterpret_cast<const char*>(text), len * 2);
  b.append("\0\0", 2);
  myFormats.emplace_back(kCfUnicodeText, b);
}

bool SimClipboard::userCopy(const char16_t* text, int32_t len) {
  if (!open()) return false;
  empty();
  Str16 t(text, len);
  Str8 ansi = toNarrow(t, kCpAnsi);
  t.append(u'\0');
  setData(kCfUnicodeText, t.data(), t.size() * 2);
  setData(kCfText, ansi.data(), ansi.size() + 1);
  close();
  return true;
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
