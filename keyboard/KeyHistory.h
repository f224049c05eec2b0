#pragma once
// The history of raw key events: the last 100, oldest first. Auto-repeats
// are not recorded; an event identical to the newest entry (same key,
// direction, thread and focus) is folded into it.

#include <cstdint>

#include "core/ArrT.h"
#include "hook/SharedBlock.h"

namespace orv {

struct RawKbd {
  uint32_t vk;      // a Ctrl key-down is refined to 162 or 163 by the key state
  uint8_t down;     // 1 key-down, 0 key-up
  uint32_t thread;
  uint32_t focus;
  uint32_t count;   // further identical events folded into this one
};

constexpr int32_t kKeyHistoryMax = 100;

inline bool isKeyUp(uint32_t keyFlags) { return (keyFlags & 0x80000000u) != 0; }
inline bool isAutoRepeat(uint32_t keyFlags) { return (keyFlags & 0xC0000000u) == 0x40000000u; }

void appendKeyHistory(ArrT<RawKbd>& history, const KeyEventRecord& record);

}  // namespace orv
