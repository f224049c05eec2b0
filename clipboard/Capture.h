#pragma once
// The clipboard check behind the history: after each key-up and mouse button
// event the menu thread looks at the clipboard once (no retry: the next event
// tries again), and a Unicode text the user copied goes to the top of the
// history. Nothing is taken while the clipboard menu is open, from a
// clipboard that another program marked private (password managers), or
// from one whose text is 10,000 bytes or more.

#include "clipboard/Clipboard.h"
#include "clipboard/History.h"

namespace orv {

// True when the history changed (the caller saves the stores).
bool checkClipboard(Clipboard& clipboard, ClipboardHistory& history);

}  // namespace orv
