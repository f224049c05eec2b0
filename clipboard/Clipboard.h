#pragma once
// The program's clipboard operations: read the text, put a text on it, and
// save and later restore what the user had there around an operation that
// borrows the clipboard. Only CF_TEXT and CF_UNICODETEXT are ever touched.

#include "core/Str.h"
#include "platform/Clipboard.h"

namespace orv {

class Clipboard {
 public:
  explicit Clipboard(ClipboardPort& port = systemClipboard()) : myPort(port) {}

  // Texts whose block is larger than this (bytes, terminator included) are
  // not captured by getClipboardText: 4999 characters are, 5000 are not.
  static constexpr int32_t kCaptureLimit = 10000;
  // How long opening is retried before giving up.
  static constexpr uint32_t kOpenRetryMs = 777;

  // Unicode text of the clipboard when its block is below the capture limit
  // (else `out` stays empty). False only when the clipboard could not be opened.
  bool getClipboardText(Str16& out);
  // The same without retry and without the limit; true when text was read.
  bool readClipboardText(Str16& out);
  // Puts `text` as CF_UNICODETEXT and `ansiText` (or `text` in the ANSI code
  // page when null) as CF_TEXT. With open false the caller has opened and
  // emptied the clipboard and closes it. False when it could not be opened
  // or a format could not be set.
  bool setClipboardData(bool open, const Str16& text, const Str8* ansiText = nullptr);
  // Keeps both text formats (emptying the clipboard when asked).
  void saveClipboard(bool emptyIt);
  // Puts the kept texts back.
  void restoreClipboard();
  // Adds the ANSI form of the Unicode text without emptying the clipboard.
  void addAnsiText();

  const Str8& savedAnsi() const { return mySavedAnsi; }
  const Str16& savedUnicode() const { return mySavedUnicode; }

  // The clipboard's clock (GetTickCount on Windows), in milliseconds.
  uint32_t tickCount() { return myPort.tickCount(); }

  // The retry rule: open with no owner; while that fails, yield and try again
  // until more than 777 ms have passed since the first attempt.
  bool openWithRetry();

 private:
  static void blockToText(const ArrT<char>& block, Str16& out);
  static void blockToText(const ArrT<char>& block, Str8& out);
  bool putText(const Str16& text, const Str8& ansi);

  ClipboardPort& myPort;
  Str8 mySavedAnsi;
  Str16 mySavedUnicode;
};

// The process's clipboard operations (one saved clipboard for the process).
Clipboard& theClipboard();

}  // namespace orv
