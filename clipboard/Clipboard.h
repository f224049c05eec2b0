#pragma once
// The program's clipboard operations: read the text, put a text on it, and
// save and later restore what the user had there around an operation that
// borrows the clipboard. The loan keeps every format the user had whose data
// is a memory block, and what the program puts there for its own pastes is
// marked private so that clipboard managers and the system's history skip it.

#include "core/Str.h"
#include "platform/Clipboard.h"

namespace orv {

enum class CaptureResult { NotOpened, Nothing, Private, TooLarge, Text };

class Clipboard {
 public:
  explicit Clipboard(ClipboardPort& port = systemClipboard()) : myPort(port) {}

  // Texts whose block is larger than this (bytes, terminator included) are
  // not captured: 4999 characters are, 5000 are not.
  static constexpr int32_t kCaptureLimit = 10000;
  // How long opening is retried before giving up.
  static constexpr uint32_t kOpenRetryMs = 777;
  // The most a saved clipboard may hold (all its blocks together). A larger
  // one is not copied and not borrowed: see saveClipboard.
  static constexpr int64_t kSaveLimit = int64_t{128} << 20;

  // The registered formats that mark a clipboard's content as private.
  static constexpr const char16_t* kExcludeFormat = u"ExcludeClipboardContentFromMonitorProcessing";
  static constexpr const char16_t* kHistoryFormat = u"CanIncludeInClipboardHistory";
  static constexpr const char16_t* kCloudFormat = u"CanUploadToCloudClipboard";
  static constexpr const char16_t* kViewerIgnoreFormat = u"Clipboard Viewer Ignore";

  // Unicode text of the clipboard when its block is below the capture limit
  // (else `out` stays empty). False only when the clipboard could not be opened.
  bool getClipboardText(Str16& out);
  // The same without retry and without the limit; true when text was read.
  bool readClipboardText(Str16& out);
  // What the clipboard history may take: opens once, and reads the text only
  // when no privacy mark forbids it (Private) and its block is within the
  // capture limit (else TooLarge). Nothing when there is no text or it is
  // empty. `out` holds the text only with Text.
  CaptureResult captureText(Str16& out);
  // Puts `text` as CF_UNICODETEXT and `ansiText` (or `text` in the ANSI code
  // page when null) as CF_TEXT, with the private marks. With open false the
  // caller has opened and emptied the clipboard and closes it. False when it
  // could not be opened or a format could not be set, and (with open true)
  // while the last save could not keep the user's clipboard: borrowing it
  // then would lose it.
  bool setClipboardData(bool open, const Str16& text, const Str8* ansiText = nullptr);
  // Keeps every format of the user's clipboard that is a memory block
  // (emptying the clipboard when asked). False, with nothing kept and nothing
  // emptied, when the clipboard cannot be opened or its blocks exceed
  // kSaveLimit; setClipboardData then refuses to borrow it until
  // restoreClipboard or the next save.
  bool saveClipboard(bool emptyIt);
  // Puts back exactly what was kept, once; does nothing when nothing was kept.
  void restoreClipboard();
  // Drops what was kept without putting it back: the user has copied since,
  // and the clipboard is theirs again.
  void dropSaved() {
    forgetSaved();
    myKept = Kept::Nothing;
  }
  // Whether what was kept is an empty clipboard.
  bool savedEmpty() const { return myKept == Kept::Saved && mySavedIds.empty(); }
  // Keeps `text` (Unicode and ANSI, without the private marks) in place of
  // what was kept, so that the restore leaves it as an ordinary copy: a text
  // chosen from the menu stays on the clipboard after its paste. Nothing
  // happens unless something was kept.
  void keepTextInstead(const Str16& text);
  // Whether the clipboard still holds the program's own `text` (with the
  // private marks of setClipboardData). False when anything else is there,
  // a copy of an image or of files included; Busy when it cannot be opened.
  enum class Holds { Ours, Other, Busy };
  Holds holdsOwnText(const Str16& text);
  // Adds the ANSI form of the Unicode text without emptying the clipboard.
  void addAnsiText();

  // The kept texts (empty when the format was absent).
  const Str8& savedAnsi() const { return mySavedAnsi; }
  const Str16& savedUnicode() const { return mySavedUnicode; }

  // The clipboard's clock (GetTickCount on Windows), in milliseconds.
  uint32_t tickCount() { return myPort.tickCount(); }

  // The retry rule: open with no owner; while that fails, yield and try again
  // until more than 777 ms have passed since the first attempt.
  bool openWithRetry();

  // Formats whose data is a handle of another kind (a bitmap, a metafile, a
  // palette, owner-drawn or private data): they cannot be copied as bytes.
  static bool isHandleFormat(unsigned format);

 private:
  enum class Kept { Nothing, Saved, Refused };

  static void blockToText(const ArrT<char>& block, Str16& out);
  static void blockToText(const ArrT<char>& block, Str8& out);
  bool putText(const Str16& text, const Str8& ansi);
  bool putPrivateMarks();
  bool isPrivate();
  Kept copyFormats();
  void forgetSaved();

  ClipboardPort& myPort;
  Kept myKept = Kept::Nothing;
  ArrT<unsigned> mySavedIds;  // in clipboard order
  ArrT<ArrT<char>> mySavedBlocks;
  Str8 mySavedAnsi;
  Str16 mySavedUnicode;
};

// The process's clipboard operations (one saved clipboard for the process).
Clipboard& theClipboard();

}  // namespace orv
