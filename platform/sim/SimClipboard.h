#pragma once
// The simulated desktop's clipboard, with simulated time: sleeping advances
// the clock, so tests never wait for real. It holds any formats with any
// bytes (a text, an image as CF_DIB, a file list as CF_HDROP, registered
// formats), in the order they were put, as the system's clipboard does.

#include <string>
#include <utility>
#include <vector>

#include "core/ArrT.h"
#include "platform/Clipboard.h"

namespace orv::sim {

class SimClipboard : public ClipboardPort {
 public:
  bool open() override;
  void close() override;
  bool empty() override;
  bool isFormatAvailable(unsigned format) override;
  unsigned enumFormats(unsigned format) override;
  // Names are compared exactly (Windows ignores their case).
  unsigned registerFormat(const char16_t* name) override;
  int64_t dataSize(unsigned format) override;
  bool getData(unsigned format, ArrT<char>& block) override;
  bool setData(unsigned format, const void* bytes, int32_t size) override;
  uint32_t tickCount() override { return myNow; }
  // A yield (Sleep(0)) still lets a little time pass, as on a real system.
  void sleep(uint32_t ms) override { myNow += ms ? ms : 1; }

  // Another program keeps the clipboard open until the clock reaches `tick`.
  void holdOpenUntil(uint32_t tick) { myHeldUntil = tick; }
  bool isOpen() const { return myOpen; }
  void advance(uint32_t ms) { myNow += ms; }
  int32_t openCalls() const { return myOpenCalls; }
  // What another program would do: replace the whole content with text.
  void putText(const char16_t* text, int32_t len);
  // An edit control's copy: open, empty, CF_UNICODETEXT and CF_TEXT, close.
  // False when the clipboard is held open.
  bool userCopy(const char16_t* text, int32_t len);
  // Every format with its bytes, in clipboard order (tests compare them).
  const std::vector<std::pair<unsigned, ArrT<char>>>& formats() const { return myFormats; }
  void reset();

 private:
  ArrT<char>* find(unsigned format);

  std::vector<std::pair<unsigned, ArrT<char>>> myFormats;
  std::vector<std::u16string> myRegistered;  // id 0xC000 + index
  bool myOpen = false;
  uint32_t myNow = 1000;
  uint32_t myHeldUntil = 0;
  int32_t myOpenCalls = 0;
};

// The simulated desktop's clipboard behind systemClipboard().
SimClipboard& simClipboard();

}  // namespace orv::sim
