#include "keyboard/SelectionConverter.h"

#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

void SelectionConverter::startCopy(uint32_t thread, uint32_t operation) {
  myThread = thread;
  myEngine.borrowClipboardForCopy();
  HookShared& shared = myEngine.shared();
  shared.operation = operation;
  shared.sequenceActive = 1;
  myEngine.host().postThreadCommand(thread, hook::kCmdCopy, 0);
}

void SelectionConverter::convertSelection(uint32_t thread) { startCopy(thread, kOpConvertNext); }

void SelectionConverter::convertSelectionAs(uint32_t thread, Hkl from, Hkl to) {
  myFrom = from;
  myTo = to;
  startCopy(thread, kOpConvertBetween);
}

void SelectionConverter::transliterateSelection(uint32_t thread) { startCopy(thread, kOpTransliterate); }

void SelectionConverter::copyForEditor(uint32_t thread) { startCopy(thread, kOpCopyForSpelling); }

Str16 SelectionConverter::readCopy(uint32_t waitMs) {
  myEngine.host().sleep(waitMs);
  Str16 text;
  myEngine.clipboard().readClipboardText(text);
  int32_t n = 0;
  while (n < text.size() && text[n] != 0) ++n;
  text.isetSize(n);
  return text;
}

void SelectionConverter::fail(const char* logLine) {
  myEngine.returnClipboard();
  myEngine.host().debugLog(logLine);
  myEngine.host().playSound(kSndNotFound);
}

void SelectionConverter::paste(const Str16& text) {
  if (!myEngine.putOnClipboard(text)) {  // the user's clipboard is back already
    myEngine.host().debugLog("SelectionConverter: the result cannot be put on the clipboard\n");
    myEngine.host().playSound(kSndNotFound);
    return;
  }
  myEngine.host().sleep(kSettleMs);
  // Ctrl+V alone: nothing is erased and the layout stays.
  HookShared& shared = myEngine.shared();
  shared.operation = kOpRetype;
  shared.sequenceActive = 1;
  shared.pasteLayout = 0;
  shared.eraseCount = 0;
  myEngine.host().postThreadCommand(myThread, hook::kCmdPaste, 0);
}

void SelectionConverter::exec1() {
  Str16 text = readCopy();
  if (text.size() == 0) {
    myEngine.returnClipboard();
    myEngine.switchToNextLayout();
    return;
  }
  Str16 wide;
  Str8 narrow;
  if (!myEngine.state().convertToNextLayout(text, wide, narrow)) {
    fail("SelectionConverter:exec1 1 EEEEEEEEEEEEEEEEEEEEE\n");
    return;
  }
  paste(wide);
}

void SelectionConverter::exec2() {
  Str16 text = readCopy();
  if (text.size() == 0) {
    fail("SelectionConverter:exec2 2-2 EEEEEEEEEEEEEEEEEEEEE\n");
    return;
  }
  Str16 wide;
  Str8 narrow;
  if (!myEngine.state().convertText(text, myFrom, myTo, wide, narrow)) {
    fail("SelectionConverter:exec2 2-1 EEEEEEEEEEEEEEEEEEEEE\n");
    return;
  }
  paste(wide);
}

void SelectionConverter::execTranslit() {
  Str16 text = readCopy();
  if (text.size() == 0) {
    myEngine.returnClipboard();
    return;
  }
  Str16 wide;
  Str8 narrow;
  if (!myEngine.transliterate(text, wide, narrow)) {
    fail("Translit:exec 1 EEEEEEEEEEEEEEEEEEEEE\n");
    return;
  }
  paste(wide);
}

void SelectionConverter::execEditorCopy() {
  Str16 text = readCopy(kEditorCopyMs);
  myEngine.returnClipboard();
  myEngine.host().editCopiedSelection(text);
}

}  // namespace orv
