#pragma once
// The mouse side of the typed text. Every mouse button event that the hook
// library reports (a press, release or double-click in any application)
// may have moved the caret, so the typed text no longer lies in front of
// it: the text is dropped and tracking starts afresh, or a later retype
// would erase characters the user never typed here. The one exception is a
// click on the open popup menu itself, which acts on the menu and leaves
// the text alone; in an application where the program is switched off by
// its policy even that exception does not apply.
//
// Called by the receiver with the keyboard lock held, like onKeyEvent.

#include <cstdint>

#include "hook/SharedBlock.h"

namespace orv {

class KeyboardState;

struct MouseEventResult {
  uint32_t answer = 0;  // to message 1125: bit 0 swallow, bit 1 release the capture
  bool reset = false;   // the typed text was dropped
};

MouseEventResult onMouseEvent(KeyboardState& state, const MouseEventRecord& record);

}  // namespace orv
