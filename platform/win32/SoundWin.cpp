// Windows shell of the sound port.

#include <windows.h>
#include <mmsystem.h>

#include "platform/Sound.h"

namespace orv {

bool playWaveMemory(const char* data, int32_t, bool async) {
  return sndPlaySoundA(data, SND_MEMORY | SND_NODEFAULT | (async ? SND_ASYNC : 0)) != FALSE;
}

void stopWave() { sndPlaySoundA(nullptr, 0); }

bool playWaveFile(const Str8& path) {
  return PlaySoundA(path.data(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace orv
