// Linux shell of the sound port: records every request.

#include "core/SynchObject.h"
#include "platform/Sound.h"
#include "platform/sim/SimSound.h"

namespace orv {

namespace {
SynchObject g_lock;
std::vector<sim::SoundEvent>& events() {
  static std::vector<sim::SoundEvent> list;
  return list;
}
void record(sim::SoundEvent e) {
  SynchObject::Guard g(g_lock);
  events().push_back(std::move(e));
}
}  // namespace

bool playWaveMemory(const char* data, int32_t len, bool async) {
  sim::SoundEvent e{sim::SoundEvent::Memory, async, Str8(data, len), Str8()};
  record(std::move(e));
  return true;
}

void stopWave() { record(sim::SoundEvent{sim::SoundEvent::Stop, false, Str8(), Str8()}); }

bool playWaveFile(const Str8& path) {
  record(sim::SoundEvent{sim::SoundEvent::File, true, Str8(), path});
  return true;
}

namespace sim {
std::vector<SoundEvent> soundLog() {
  SynchObject::Guard g(g_lock);
  return events();
}
void clearSoundLog() {
  SynchObject::Guard g(g_lock);
  events().clear();
}
}  // namespace sim

}  // namespace orv
