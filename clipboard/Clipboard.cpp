#include "clipboard/Clipboard.h"

#include "core/DebugLog.h"
#include "platform/Text.h"

namespace orv {

bool Clipboard::openWithRetry() {
  uint32_t start = myPort.tickCount();
  while (!myPort.open()) {
    if (myPort.tickCount() - start > kOpenRetryMs) return false;
    myPort.sleep(0);
  }
  return true;
}

// A block holds the text up to its first terminator; a block without one
// (another program's bad data) is taken whole.
void Clipboard::blockToText(const ArrT<char>& block, Str16& out) {
  out.clear();
  const char16_t* p = reinterpret_cast<const char16_t*>(block.data());
  int32_t units = block.size() / 2, n = 0;
  while (n < units && p[n] != 0) ++n;
  out.append(p, n);
}

void Clipboard::blockToText(const ArrT<char>& block, Str8& out) {
  out.clear();
  int32_t n = 0;
  while (n < block.size() && block[n] != 0) ++n;
  out.append(block.data(), n);
}

bool Clipboard::getClipboardText(Str16& out) {
  out.clear();
  if (!openWithRetry()) return false;
  ArrT<char> block;
  if (myPort.isFormatAvailable(kCfUnicodeText) && myPort.getData(kCfUnicodeText, block) &&
      block.size() <= kCaptureLimit)
    blockToText(block, out);
  myPort.close();
  return true;
}

bool Clipboard::readClipboardText(Str16& out) {
  out.clear();
  if (!myPort.open()) return false;
  ArrT<char> block;
  bool ok = myPort.isFormatAvailable(kCfUnicodeText) && myPort.getData(kCfUnicodeText, block);
  if (ok) blockToText(block, out);
  myPort.close();
  return ok;
}

bool Clipboard::putText(const Str16& text, const Str8& ansi) {
  bool ok = myPort.setData(kCfUnicodeText, text.data(), (text.size() + 1) * 2);
  ok = myPort.setData(kCfText, ansi.data(), ansi.size() + 1) && ok;
  return ok;
}

bool Clipboard::setClipboardData(bool open, const Str16& text, const Str8* ansiText) {
  if (open) {
    if (!openWithRetry()) {
      debugLog("Clipboard:setClipboardData cannot open the clipboard\n");
      return false;
    }
    myPort.empty();
  }
  Str8 ansi = ansiText ? *ansiText : toNarrow(text, kCpAnsi);
  bool ok = putText(text, ansi);
  if (open) myPort.close();
  if (!ok) debugLog("Clipboard:setClipboardData cannot set the text\n");
  return ok;
}

void Clipboard::saveClipboard(bool emptyIt) {
  mySavedAnsi.clear();
  mySavedUnicode.clear();
  if (!myPort.open()) return;
  ArrT<char> block;
  if (myPort.isFormatAvailable(kCfText) && myPort.getData(kCfText, block)) blockToText(block, mySavedAnsi);
  if (myPort.isFormatAvailable(kCfUnicodeText) && myPort.getData(kCfUnicodeText, block))
    blockToText(block, mySavedUnicode);
  if (emptyIt) myPort.empty();
  myPort.close();
}

void Clipboard::restoreClipboard() {
  if (!myPort.open()) return;
  myPort.empty();
  putText(mySavedUnicode, mySavedAnsi);
  myPort.close();
}

void Clipboard::addAnsiText() {
  if (!myPort.isFormatAvailable(kCfUnicodeText)) return;
  if (!openWithRetry()) return;
  ArrT<char> block;
  if (myPort.getData(kCfUnicodeText, block)) {
    Str16 text;
    blockToText(block, text);
    Str8 ansi = toNarrow(text, kCpAnsi);
    myPort.setData(kCfText, ansi.data(), ansi.size() + 1);
  }
  myPort.close();
}

Clipboard& theClipboard() {
  static Clipboard clipboard;
  return clipboard;
}

}  // namespace orv
