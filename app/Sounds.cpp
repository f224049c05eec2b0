#include "app/Sounds.h"

#include <cstring>

#include "app/AppPaths.h"
#include "app/LocalStr.h"
#include "app/Settings.h"
#include "app/TextFile.h"
#include "core/SynchObject.h"
#include "platform/FileSys.h"
#include "platform/Resource.h"
#include "platform/Sound.h"
#include "platform/Text.h"

namespace orv {

const char* const kSoundLabelKeys[kSoundCount] = {LKEY("snd_KEY"), LKEY("snd_WORD_FOUND"), LKEY("snd_NOT_FOUND"),
                                                   LKEY("snd_SWITCH")};
const char* const kSoundDefaultFiles[kSoundCount] = {"type.wav", "stone.wav", "wood.wav", "blade.wav"};

namespace {

struct SoundEvent {
  bool enabled = true;
  Str8 file;
  Str8 data;
};

SynchObject g_soundLock;
SoundEvent g_events[kSoundCount];
Str8 g_defaultWave;
int g_lastPlayed = -1;  // the event whose data the device may still be reading

Str16 soundFolder() { return modulePath(u"\\sound"); }

bool isSilentName(const Str8& name) { return name.empty() || std::strcmp(name.data(), "(none)") == 0; }

Str16 pathOf(const Str8& name) {
  Str16 wide = toWide(name, kCpAnsi);
  if (std::strchr(name.data(), '\\')) return wide;
  Str16 p = soundFolder();
  p.append(u'\\');
  p.append(wide);
  return p;
}

void reloadLocked(int i) {
  SoundEvent& e = g_events[i];
  if (g_lastPlayed == i) {
    stopWave();  // the device may be reading the bytes about to go
    g_lastPlayed = -1;
  }
  e.data.clear();
  if (isSilentName(e.file)) return;
  Str8 bytes;
  if (readFileBytes(pathOf(e.file), bytes) && bytes.size() > 0)
    e.data.swap(bytes);
  else
    e.data = g_defaultWave;
}

void resetEventsLocked() {
  for (int i = 0; i < kSoundCount; ++i) {
    g_events[i].enabled = true;
    g_events[i].file = str8(kSoundDefaultFiles[i]);
    g_events[i].data.clear();
  }
}

}  // namespace

void loadSounds() {
  SynchObject::Guard g(g_soundLock);
  Str8 none;
  if (loadDataResource("none_wav", none)) playWaveMemory(none.data(), none.size(), false);
  if (g_lastPlayed >= 0) stopWave();
  g_lastPlayed = -1;
  loadDataResource("default_wav", g_defaultWave);
  resetEventsLocked();
  ArrT<Str8> lines;
  if (!readTextLines(modulePath(u"\\sound\\sound.cfg"), 100, lines)) return;
  for (int i = 0; i < kSoundCount && i < lines.size(); ++i) {
    Str8 line = trimmedText(lines[i]);
    if (line.empty() || (line[0] != '0' && line[0] != '1')) continue;
    g_events[i].enabled = line[0] == '1';
    g_events[i].file = trimmedText(Str8(line.data() + 1, line.size() - 1));
    reloadLocked(i);
  }
}

void setSound(int index, bool enabled, const Str8& fileName) {
  if (index < 0 || index >= kSoundCount) return;
  SynchObject::Guard g(g_soundLock);
  g_events[index].enabled = enabled;
  g_events[index].file = fileName;
  g_events[index].file.data();
  reloadLocked(index);
}

void saveSounds() {
  SynchObject::Guard g(g_soundLock);
  Str8 text;
  for (const SoundEvent& e : g_events) {
    text.append(e.enabled ? "1 " : "0 ", 2);
    text.append(e.file);
    text.append('\n');
  }
  createFolder(soundFolder());
  if (!writeTextFile(modulePath(u"\\sound\\sound.cfg"), text)) return;
  for (int i = 0; i < kSoundCount; ++i) reloadLocked(i);
}

void playSound(int index) {
  if (cfgSoundOn.get() == 0) return;
  if (index < 0 || index >= kSoundCount) return;
  SynchObject::Guard g(g_soundLock);
  const SoundEvent& e = g_events[index];
  if (!e.enabled || e.data.empty()) return;
  playWaveMemory(e.data.data(), e.data.size(), true);
  g_lastPlayed = index;
}

SoundChoice soundChoice(int index) {
  SynchObject::Guard g(g_soundLock);
  if (index < 0 || index >= kSoundCount) return SoundChoice{false, Str8()};
  return SoundChoice{g_events[index].enabled, g_events[index].file};
}

ArrT<Str8> soundFileOptions() {
  ArrT<Str8> names;
  for (const Str16& f : listFiles(soundFolder(), u".wav")) names.append(toNarrow(f, kCpAnsi));
  // Sorted without regard to case, as the file system lists them on Windows.
  for (int32_t i = 1; i < names.size(); ++i) {
    for (int32_t j = i; j > 0; --j) {
      Str8 a = names[j - 1], b = names[j];
      charUpperBuffA(a.data(), a.size());
      charUpperBuffA(b.data(), b.size());
      if (std::strcmp(a.data(), b.data()) <= 0) break;
      names[j - 1].swap(names[j]);
    }
  }
  names.insertAt(0, str8("(none)"));
  return names;
}

void previewSound(const Str8& fileName) {
  if (isSilentName(fileName)) return;
  playWaveFile(toNarrow(pathOf(fileName), kCpAnsi));
}

void forgetSounds() {
  SynchObject::Guard g(g_soundLock);
  resetEventsLocked();
  g_defaultWave.clear();
  g_lastPlayed = -1;
}

}  // namespace orv
