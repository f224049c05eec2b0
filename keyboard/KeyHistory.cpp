#include "keyboard/KeyHistory.h"

namespace orv {

void appendKeyHistory(ArrT<RawKbd>& history, const KeyEventRecord& record) {
  if (isAutoRepeat(record.keyFlags)) return;
  RawKbd e = {};
  e.vk = record.vk;
  e.down = isKeyUp(record.keyFlags) ? 0 : 1;
  e.thread = record.thread;
  e.focus = record.focus;
  if (e.down && e.vk == 17) {
    if (record.keyState[163] & 0x80) e.vk = 163;
    else if (record.keyState[162] & 0x80) e.vk = 162;
  }
  if (history.size() > 0) {
    RawKbd& last = history.last();
    if (last.vk == e.vk && last.down == e.down && last.thread == e.thread && last.focus == e.focus) {
      ++last.count;
      return;
    }
  }
  history.append(e);
  if (history.size() > kKeyHistoryMax) history.remove(0);
}

}  // namespace orv
