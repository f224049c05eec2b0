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

bool Clipboard::isHandleFormat(unsigned format) {
  switch (format) {
    case 2:     // CF_BITMAP: Windows offers CF_DIB and CF_DIBV5 for it
    case 3:     // CF_METAFILEPICT
    case 9:     // CF_PALETTE
    case 14:    // CF_ENHMETAFILE
    case 0x80:  // CF_OWNERDISPLAY
    case 0x82:  // CF_DSPBITMAP
    case 0x83:  // CF_DSPMETAFILEPICT
    case 0x8E:  // CF_DSPENHMETAFILE
      return true;
  }
  return format >= 0x200 && format <= 0x3FF;  // private and GDI-object ranges
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
  int64_t size = myPort.dataSize(kCfUnicodeText);
  if (size >= 0 && size <= kCaptureLimit && myPort.getData(kCfUnicodeText, block)) blockToText(block, out);
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

Clipboard::Holds Clipboard::holdsOwnText(const Str16& text) {
  if (!myPort.open()) return Holds::Busy;
  Str16 now;
  ArrT<char> block;
  bool marked = myPort.isFormatAvailable(myPort.registerFormat(kExcludeFormat));
  if (marked && myPort.getData(kCfUnicodeText, block)) blockToText(block, now);
  myPort.close();
  return marked && now == text ? Holds::Ours : Holds::Other;
}

// Password managers mark their copies; "CanIncludeInClipboardHistory" is a
// DWORD where 0 forbids keeping the content. A block too short to hold the
// DWORD is taken as forbidding it too: its writer meant something private.
bool Clipboard::isPrivate() {
  if (myPort.isFormatAvailable(myPort.registerFormat(kExcludeFormat))) return true;
  if (myPort.isFormatAvailable(myPort.registerFormat(kViewerIgnoreFormat))) return true;
  unsigned history = myPort.registerFormat(kHistoryFormat);
  if (!myPort.isFormatAvailable(history)) return false;
  ArrT<char> block;
  if (!myPort.getData(history, block) || block.size() < 4) return true;
  return block[0] == 0 && block[1] == 0 && block[2] == 0 && block[3] == 0;
}

CaptureResult Clipboard::captureText(Str16& out) {
  out.clear();
  if (!myPort.open()) return CaptureResult::NotOpened;
  CaptureResult result = CaptureResult::Nothing;
  if (isPrivate()) {
    result = CaptureResult::Private;
  } else {
    int64_t size = myPort.dataSize(kCfUnicodeText);
    ArrT<char> block;
    if (size > kCaptureLimit) {
      result = CaptureResult::TooLarge;
    } else if (size > 0 && myPort.getData(kCfUnicodeText, block)) {
      blockToText(block, out);
      if (!out.empty()) result = CaptureResult::Text;
    }
  }
  myPort.close();
  return result;
}

bool Clipboard::putText(const Str16& text, const Str8& ansi) {
  bool ok = myPort.setData(kCfUnicodeText, text.data(), (text.size() + 1) * 2);
  ok = myPort.setData(kCfText, ansi.data(), ansi.size() + 1) && ok;
  return ok;
}

bool Clipboard::putPrivateMarks() {
  const char zero[4] = {0, 0, 0, 0};
  bool ok = true;
  for (const char16_t* name : {kExcludeFormat, kHistoryFormat, kCloudFormat}) {
    unsigned id = myPort.registerFormat(name);
    ok = id != 0 && myPort.setData(id, zero, sizeof zero) && ok;
  }
  return ok;
}

bool Clipboard::setClipboardData(bool open, const Str16& text, const Str8* ansiText) {
  if (open) {
    if (myKept == Kept::Refused) {
      debugLog("Clipboard:setClipboardData the user's clipboard could not be kept\n");
      return false;
    }
    if (!openWithRetry()) {
      debugLog("Clipboard:setClipboardData cannot open the clipboard\n");
      return false;
    }
    myPort.empty();
  }
  Str8 ansi = ansiText ? *ansiText : toNarrow(text, kCpAnsi);
  bool ok = putText(text, ansi);
  // A missing mark lets a clipboard manager keep the text, nothing worse.
  if (!putPrivateMarks()) debugLog("Clipboard:setClipboardData cannot mark the text private\n");
  if (open) myPort.close();
  if (!ok) debugLog("Clipboard:setClipboardData cannot set the text\n");
  return ok;
}

void Clipboard::forgetSaved() {
  mySavedIds.clear();
  mySavedBlocks.clear();
  mySavedAnsi.clear();
  mySavedUnicode.clear();
}

// Only while the clipboard is open. Sizes are summed before anything is
// copied, so a huge clipboard costs no memory.
Clipboard::Kept Clipboard::copyFormats() {
  int64_t total = 0;
  for (unsigned f = myPort.enumFormats(0); f != 0; f = myPort.enumFormats(f)) {
    if (isHandleFormat(f)) continue;
    int64_t size = myPort.dataSize(f);
    if (size < 0) continue;  // listed, but its owner could not render it
    total += size;
    if (total > kSaveLimit) {
      debugLog("Clipboard:saveClipboard the clipboard is too large to keep\n");
      forgetSaved();
      return Kept::Refused;
    }
    mySavedBlocks.isetSize(mySavedBlocks.size() + 1);
    if (!myPort.getData(f, mySavedBlocks.last())) {
      mySavedBlocks.remove(mySavedBlocks.size() - 1);
      continue;
    }
    mySavedIds.append(f);
    if (f == kCfText) blockToText(mySavedBlocks.last(), mySavedAnsi);
    if (f == kCfUnicodeText) blockToText(mySavedBlocks.last(), mySavedUnicode);
  }
  return Kept::Saved;
}

// Unlike a single attempt, the retry keeps a clipboard that is busy for a
// moment from being borrowed unsaved.
bool Clipboard::saveClipboard(bool emptyIt) {
  forgetSaved();
  myKept = Kept::Refused;
  if (!openWithRetry()) {
    debugLog("Clipboard:saveClipboard cannot open the clipboard\n");
    return false;
  }
  myKept = copyFormats();
  if (emptyIt && myKept == Kept::Saved) myPort.empty();
  myPort.close();
  return myKept == Kept::Saved;
}

void Clipboard::restoreClipboard() {
  Kept kept = myKept;
  myKept = Kept::Nothing;
  if (kept != Kept::Saved) return;
  if (!openWithRetry()) {
    debugLog("Clipboard:restoreClipboard cannot open the clipboard\n");
  } else {
    myPort.empty();
    for (int32_t k = 0; k < mySavedIds.size(); ++k) {
      const ArrT<char>& b = mySavedBlocks[k];
      if (!myPort.setData(mySavedIds[k], b.data(), b.size()))
        debugLog("Clipboard:restoreClipboard cannot put a format back\n");
    }
    myPort.close();
  }
  forgetSaved();
}

void Clipboard::keepTextInstead(const Str16& text) {
  if (myKept != Kept::Saved) return;
  forgetSaved();
  mySavedUnicode = text;
  mySavedAnsi = toNarrow(text, kCpAnsi);
  mySavedIds.append(kCfUnicodeText);
  mySavedBlocks.isetSize(1);
  mySavedBlocks.last().append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  for (int k = 0; k < 2; ++k) mySavedBlocks.last().append('\0');
  mySavedIds.append(kCfText);
  mySavedBlocks.isetSize(2);
  mySavedBlocks.last().append(mySavedAnsi.data(), mySavedAnsi.size());
  mySavedBlocks.last().append('\0');
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
