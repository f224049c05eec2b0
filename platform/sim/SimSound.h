#pragma once
// What the simulated desktop's sound device was asked to do.
#include <vector>

#include "core/Str.h"

namespace orv::sim {

struct SoundEvent {
  enum Kind { Memory, File, Stop } kind;
  bool async = false;
  Str8 bytes;  // Memory: a copy of the wave image played
  Str8 path;   // File: the path asked for
};

std::vector<SoundEvent> soundLog();
void clearSoundLog();

}  // namespace orv::sim
