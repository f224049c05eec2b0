#pragma once
// The sound port (winmm). Windows: sndPlaySoundA and PlaySoundA. The
// simulated desktop plays nothing and records every request instead
// (platform/sim/SimSound.h).

#include <cstdint>

#include "core/Str.h"

namespace orv {

// sndPlaySoundA(data, SND_MEMORY | SND_ASYNC when async): plays a wave image
// held in memory. With async the call returns at once and the system reads
// `data` while it plays, so the bytes must stay untouched until the sound has
// ended or stopWave() was called. `len` is the image's size (Windows takes it
// from the image itself).
bool playWaveMemory(const char* data, int32_t len, bool async);

// sndPlaySoundA(NULL, 0): stops the sound that is playing, if any.
void stopWave();

// PlaySoundA(path, NULL, SND_FILENAME | SND_ASYNC): plays a wave file from
// disk; `path` is in the ANSI code page.
bool playWaveFile(const Str8& path);

}  // namespace orv
