// A note's shortcut typed and followed by the autocomplete key: the shortcut
// is erased and the note's text pasted in its place, through the same loan
// of the clipboard and the same paste sequence as a retype (so the user's
// clipboard comes back 333 ms after the paste, or at the loan's deadline).

#include "clipboard/Notes.h"
#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "platform/Text.h"

namespace orv {

bool KeyboardEngine::expandNoteShortcut(KeyboardState& state, const KeyEventRecord& record) {
  if (!myNotes || !state.current) return false;
  // What the typed keys show in the current layout; a shortcut matches its end.
  Str16 typed = toWide(state.current->text, state.current->codePage);
  TxtNote note;
  if (typed.size() == 0 || !myNotes->findShortcut(std::u16string_view(typed.data(), typed.size()), note))
    return false;
  closeMenu();
  myShared.swallowUp[record.vk & 0xFF] = 1;  // the key went down unseen; so goes its release
  // The shortcut's characters came from keys, one each: no surrogate pairs,
  // so one Backspace erases one code unit.
  if (putOnClipboard(note.text)) startRetype(record.thread, static_cast<uint32_t>(note.shortcut.size()), 0);
  return true;
}

}  // namespace orv
