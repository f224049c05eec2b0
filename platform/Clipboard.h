#pragma once
// The clipboard port: the few system clipboard calls the program makes, in
// their Win32 shape (OpenClipboard with no owner, every format's data as a
// whole memory block). The Windows shell forwards to the system; the
// simulated desktop keeps the blocks in memory.

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
  // EnumClipboardFormats: the format after `format` (0 for the first one) in
  // the order they were put, 0 after the last one. Only while open.
  virtual unsigned enumFormats(unsigned format) = 0;
  // RegisterClipboardFormatW: the same name always gives the same id (from
  // 0xC000 up); 0 when it cannot be registered.
  virtual unsigned registerFormat(const char16_t* name) = 0;
  // The size in bytes of a format's block, -1 when the format is absent or
  // has no data. Only while open. Lets a caller refuse a huge block before
  // copying it.
  virtual int64_t dataSize(unsigned format) = 0;
  // The whole block of a format (its size is the block's size, which may be
  // larger than the text in it). False when the format is absent or has no
  // data, or the clipboard is not open.
  virtual bool getData(unsigned format, ArrT<char>& block) = 0;
  // Puts a copy of `size` bytes as the block of a format (only while open).
  virtual bool setData(unsigned format, const void* bytes, int32_t size) = 0;
  virtual uint32_t tickCount() = 0;
  virtual void sleep(uint32_t ms) = 0;
};

// The process's clipboard: the system's on Windows, a simulated one natively.
ClipboardPort& systemClipboard();

}  // namespace orv
