#pragma once
// Converting or transliterating the text selected in another application.
// The program cannot read that selection, so each run is a chain of posted
// steps: borrow the clipboard (the user's content is kept and emptied
// away), have the hook library press Ctrl+C in the application, read what
// it copied, convert it, put the result on the clipboard, have the library
// press Ctrl+V over the selection, and give the user's clipboard back 333 ms
// after the paste (the engine's clipboard loan, so a chain whose echoes are
// lost still gives it back at the loan's deadline).
//
// The second step (exec1, exec2, execTranslit) runs when the copy's sentinel
// comes back as echo code 4, 5 or 6. It waits 333 ms first, because the
// application may put its copy on the clipboard only after the keys were
// processed, and 333 ms again before the paste, so that clipboard viewers
// are done with the new content. Those waits go through KeyboardHost::sleep.
//
// Runs on the receiver thread with the keyboard lock held; one run at a
// time, a new start replaces the pending one.

#include <cstdint>

#include "core/Str.h"
#include "platform/Keyboard.h"

namespace orv {

class KeyboardEngine;

class SelectionConverter {
 public:
  static constexpr uint32_t kSettleMs = 333;

  explicit SelectionConverter(KeyboardEngine& engine) : myEngine(engine) {}

  // To the layout after the one the selection was typed in ("!!switch_sel",
  // "!!switch_back" with nothing typed). With nothing selected the layout is
  // switched instead.
  void convertSelection(uint32_t thread);
  // Between two chosen layouts.
  void convertSelectionAs(uint32_t thread, Hkl from, Hkl to);
  // With the active transliteration tables ("translit").
  void transliterateSelection(uint32_t thread);
  // Only copied, for the notes editor ("Check spelling").
  void copyForEditor(uint32_t thread);

  // The second steps, for echo codes 4, 5, 6 and 7. The editor's copy is
  // read after 100 ms and the user's clipboard given back at once.
  void exec1();
  void exec2();
  void execTranslit();
  void execEditorCopy();
  static constexpr uint32_t kEditorCopyMs = 100;

 private:
  void startCopy(uint32_t thread, uint32_t operation);
  // Waits for the application's copy and reads it (empty: nothing was
  // selected).
  Str16 readCopy(uint32_t waitMs = kSettleMs);
  // Ends the run: the user's clipboard back, the line in the debug log and
  // "snd_NOT_FOUND".
  void fail(const char* logLine);
  void paste(const Str16& text);

  KeyboardEngine& myEngine;
  uint32_t myThread = 0;
  Hkl myFrom = 0, myTo = 0;
};

}  // namespace orv
