#pragma once
// The simulated desktop's windows as far as their texts go: a tree in which
// each window has a text, children in creation order and a parent.
#include "platform/WindowText.h"

namespace orv::sim {
// Creates a window as the last child of `parent` (0: a top-level window).
WindowRef createTextWindow(WindowRef parent, const char16_t* text);
// Destroys the window and its descendants; their handles become invalid.
void destroyTextWindow(WindowRef window);
// How many times a window's text was set through the port.
int textSetCount(WindowRef window);
}  // namespace orv::sim
