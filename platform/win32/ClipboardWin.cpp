#include <windows.h>

#include <cstring>

#include "platform/Clipboard.h"

namespace orv {

namespace {

class WinClipboard : public ClipboardPort {
 public:
  bool open() override { return OpenClipboard(nullptr) != 0; }
  void close() override { CloseClipboard(); }
  bool empty() override { return EmptyClipboard() != 0; }
  bool isFormatAvailable(unsigned format) override { return IsClipboardFormatAvailable(format) != 0; }
  unsigned enumFormats(unsigned format) override { return EnumClipboardFormats(format); }

  unsigned registerFormat(const char16_t* name) override {
    return RegisterClipboardFormatW(reinterpret_cast<const wchar_t*>(name));
  }

  // A format put with an empty block has a handle whose size is 0 (and that
  // cannot be locked); it still counts as data.
  int64_t dataSize(unsigned format) override {
    HANDLE h = GetClipboardData(format);
    return h ? static_cast<int64_t>(GlobalSize(h)) : -1;
  }

  bool getData(unsigned format, ArrT<char>& block) override {
    block.clear();
    HANDLE h = GetClipboardData(format);
    if (!h) return false;
    SIZE_T size = GlobalSize(h);
    if (size == 0) return true;
    const void* p = GlobalLock(h);
    if (!p) return false;
    block.isetSize(static_cast<int32_t>(size));
    std::memcpy(block.data(), p, size);
    GlobalUnlock(h);
    return true;
  }

  bool setData(unsigned format, const void* bytes, int32_t size) override {
    if (size < 0) return false;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(size));
    if (!h) return false;
    if (size > 0) {
      void* p = GlobalLock(h);
      if (!p) {
        GlobalFree(h);
        return false;
      }
      std::memcpy(p, bytes, static_cast<size_t>(size));
      GlobalUnlock(h);
    }
    if (!SetClipboardData(format, h)) {
      GlobalFree(h);
      return false;
    }
    return true;  // the system owns the block now
  }

  uint32_t tickCount() override { return GetTickCount(); }
  void sleep(uint32_t ms) override { Sleep(ms); }
};

}  // namespace

ClipboardPort& systemClipboard() {
  static WinClipboard clipboard;
  return clipboard;
}

}  // namespace orv
