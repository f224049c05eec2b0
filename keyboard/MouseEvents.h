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

#include "hook/ReceiverKeys.h"
#include "hook/SharedBlock.h"

namespace orv {

class KeyboardState;

MouseOutcome onMouseEvent(KeyboardState& state, const MouseEventRecord& record);

}  // namespace orv
