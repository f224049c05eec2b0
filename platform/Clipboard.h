#pragma once
// The clipboard port: the few system clipboard calls the program makes, in
// their Win32 shape (OpenClipboard with no owner, formats CF_TEXT and
// CF_UNICODETEXT as whole memory blocks). The Windows shell forwards to the
// system; the simulated desktop keeps the blocks in memory.

#include <cstdint>

#include "core/ArrT.h"

namespace orv {

constexpr unsigned kCfText = 1;
constexpr unsigned kCfUnicodeText = 13;

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  virtual bool open() = 0;  // fails while another program holds it open
  virtual void close() = 0;
  virtual bool empty() = 0;  // only while open
  virtual bool isFormatAvailable(unsigned format) = 0;
  // The whole block of a format (its size is the block's size, which may be
  // larger than the text in it). False when the format is absent or the
  // clipboard is not open.
  virtual bool getData(unsigned format, ArrT<char>& block) = 0;
  // Puts a copy of `size` bytes as the block of a format (only while open).
  virtual bool setData(unsigned format, const void* bytes, int32_t size) = 0;
  virtual uint32_t tickCount() = 0;
  virtual void sleep(uint32_t ms) = 0;
};

// The process's clipboard: the system's on Windows, a simulated one natively.
ClipboardPort& systemClipboard();

}  // namespace orv
