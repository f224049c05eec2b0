#include "keyboard/MouseEvents.h"

#include <string>

#include "hook/HookLogic.h"
#include "keyboard/KeyboardState.h"

namespace orv {

MouseOutcome onMouseEvent(KeyboardState& state, const MouseEventRecord& r) {
  MouseOutcome out;
  if (!hook::isReportedMouseMessage(r.message)) return out;
  size_t n = 0;
  while (n < sizeof r.exeName && r.exeName[n]) ++n;
  const std::string exe(r.exeName, n);
  KeyboardSeams& seams = state.seams();
  seams.notePolicyCandidate(exe.c_str());
  if (!seams.worksIn(exe.c_str())) {
    state.resetAndTrack();
    out.reset = true;
    return out;
  }
  if (!(seams.isMenuOpen() && seams.isMenuWindow(r.window))) {
    state.resetAndTrack();
    out.reset = true;
  }
  out.result = seams.offerMouseToClipboard(state, r);
  return out;
}

}  // namespace orv
