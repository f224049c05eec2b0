// A text chosen in a menu (a history entry, a note) pasted into the
// application: the same loan of the clipboard and the same paste sequence as
// a retype, with nothing erased.
//
// Choosing an entry also makes it the clipboard's text, as if the user had
// copied it again, but only where that loses nothing: the user's clipboard
// was empty, or held a text that the history keeps (it stays one menu entry
// away). An image, files, a text marked private by another program or too
// large for the history come back after the paste, as after a retype.

#include "clipboard/History.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

bool KeyboardEngine::pasteChosenText(uint32_t thread, const Str16& text) {
  if (!myState) return false;
  // The caret moves by the paste: the typed text no longer lies before it.
  myState->resetAndTrack();
  if (text.size() == 0) return true;
  if (!putOnClipboard(text)) return false;
  const Str16& kept = myClipboard.savedUnicode();
  const bool replaceable =
      myClipboard.savedEmpty() || (kept.size() > 0 && myHistory && myHistory->find(kept) >= 0);
  if (replaceable) myClipboard.keepTextInstead(text);
  startRetype(thread, 0, 0);
  return true;
}

bool KeyboardEngine::replaceTypedText(uint32_t thread, uint32_t eraseCount, const Str16& text, Hkl layout) {
  if (!myState || text.size() == 0) return false;
  myState->resetAndTrack();
  if (!putOnClipboard(text)) return false;
  forgetLastSwitch();
  startRetype(thread, eraseCount, layout);
  return true;
}

}  // namespace orv
