#include "clipboard/Capture.h"

namespace orv {

bool checkClipboard(Clipboard& clipboard, ClipboardHistory& history) {
  if (history.menuOpen()) return false;
  Str16 text;
  if (clipboard.captureText(text) != CaptureResult::Text) return false;
  return history.offerCapture(text);
}

}  // namespace orv
