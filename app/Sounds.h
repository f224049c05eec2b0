#pragma once
// Sounds of the program's events. Each event has an on/off flag and a wave
// file named in "\sound\sound.cfg" (one line per event: "1 " or "0 " and the
// file name; a bare name lives in the "sound" folder, a name with "\" is a
// path, "" or "(none)" is silence). The files are read into memory when the
// configuration is loaded or changed and played asynchronously from memory;
// a missing or empty file plays the wave built into the program
// ("default_wav"). The setting "sound_on" switches all of them.
//
// All state is guarded by one lock; data that may still be playing is never
// replaced before the playback was stopped.

#include <cstdint>

#include "core/Str.h"

namespace orv {

constexpr int kSoundKey = 0;        // a key event worth marking
constexpr int kSoundWordFound = 1;  // a word was found
constexpr int kSoundNotFound = 2;   // a conversion or look-up found nothing
constexpr int kSoundSwitch = 3;     // the layout was switched
constexpr int kSoundCount = 4;

extern const char* const kSoundLabelKeys[kSoundCount];     // the options' label keys
extern const char* const kSoundDefaultFiles[kSoundCount];  // "type.wav", ...

// Start-up: readies the sound device, takes the built-in default wave and
// reads the configuration; without a configuration file nothing is loaded
// and the events stay silent until saveSounds().
void loadSounds();

// Plays the event's sound, when "sound_on" is set and the event is on and
// has data; a sound still playing is cut off. Any thread.
void playSound(int index);

// Stores an event's flag and file name and reloads its data.
void setSound(int index, bool enabled, const Str8& fileName);

// Writes the configuration file and reloads every event's data.
void saveSounds();

struct SoundChoice {
  bool enabled;
  Str8 fileName;
};
SoundChoice soundChoice(int index);

// For the options window: "(none)" and the "*.wav" files of the sound
// folder (sorted), and playing a file from disk at once whatever
// "sound_on" says ("(none)" or "" plays nothing).
ArrT<Str8> soundFileOptions();
void previewSound(const Str8& fileName);

// Tests: back to the state before loadSounds().
void forgetSounds();

}  // namespace orv
