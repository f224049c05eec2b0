#pragma once
// The simulated desktop's message boxes: every box is recorded, and the
// answer is the one the test set (kIdOk unless told otherwise).

#include <functional>

#include "core/Str.h"

namespace orv::sim {

struct ShownMessageBox {
  Str16 text;
  Str16 caption;
  unsigned style = 0;
};

void setMessageBoxAnswer(int answer);
// The boxes shown since the last clear, oldest first.
ArrT<ShownMessageBox> shownMessageBoxes();
void clearMessageBoxes();
// Called with each box while it is "open" (on the showing thread), to look
// at what the program holds meanwhile; an empty function removes it.
void setMessageBoxProbe(std::function<void(const ShownMessageBox&)> probe);

}  // namespace orv::sim
