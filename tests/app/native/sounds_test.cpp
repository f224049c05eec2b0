// Sounds in the simulated desktop, whose sound device records what it was
// asked to play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "app/Sounds.h"
#include "platform/FileSys.h"
#include "platform/Text.h"
#include "platform/sim/SimResource.h"
#include "platform/sim/SimSound.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

using sim::SoundEvent;

// Four waves in "sound", sound.cfg holding `config` (none when null), the
// sounds switched on and loaded, and the sound log empty.
struct SoundFolder : test::AppFolder {
  explicit SoundFolder(const char* config = nullptr) {
    forgetSounds();
    sim::setResource("default_wav", str8("RIFF-default"));
    sim::setResource("none_wav", str8("RIFF-none"));
    createFolder(file(u"sound"));
    for (const char* n : {"type", "stone", "wood", "blade"})
      test::writeBytes(file(view(utf8ToUtf16(std::string("sound\\") + n + ".wav"))), std::string("RIFF-") + n);
    if (config) test::writeBytes(file(u"sound\\sound.cfg"), config);
    cfgSoundOn.set(1);
    loadSounds();
    sim::clearSoundLog();
  }
  ~SoundFolder() {
    forgetSounds();
    sim::clearResources();
    sim::clearSoundLog();
  }
};

// What was played from memory since the last call, as the images' texts.
std::vector<std::string> played() {
  std::vector<std::string> out;
  for (const SoundEvent& e : sim::soundLog()) {
    if (e.kind == SoundEvent::Memory) out.push_back(std::string(view(e.bytes)) + (e.async ? "" : " (sync)"));
    if (e.kind == SoundEvent::Stop) out.push_back("stop");
    if (e.kind == SoundEvent::File) out.push_back("file " + std::string(view(e.path)));
  }
  sim::clearSoundLog();
  return out;
}

void playAll() {
  for (int i = -1; i <= kSoundCount; ++i) playSound(i);
}

using V = std::vector<std::string>;

TEST(Sounds, OnlyTheEventsTheRulesAllowAreHeard) {
  SoundFolder dir("1 type.wav\n0 stone.wav\n1 (none)\n1 missing.wav\n");
  loadSounds();
  EXPECT_EQ(played(), V{"RIFF-none (sync)"});  // readies the device

  cfgSoundOn.set(0);
  playAll();
  EXPECT_EQ(played(), V{});

  cfgSoundOn.set(1);
  playAll();
  // disabled event, "(none)" and indices out of range are silent; a missing file plays the built-in wave
  EXPECT_EQ(played(), (V{"RIFF-type", "RIFF-default"}));
}

TEST(Sounds, EachConfigurationLineSetsOneEventInTurn) {
  SoundFolder dir("  1   type.wav  \r\nx stone.wav\n0 wood.wav\n1 blade.wav\n1 type.wav\n");
  playAll();
  // line 2 is not understood: event 1 keeps its defaults but no data (silent);
  // line 3 switches "not found" off although its file exists; a fifth line is ignored
  EXPECT_EQ(played(), (V{"RIFF-type", "RIFF-blade"}));
  EXPECT_TRUE(soundChoice(1).enabled);
  EXPECT_EQ(view(soundChoice(1).fileName), "stone.wav");
  EXPECT_FALSE(soundChoice(2).enabled);
}

TEST(Sounds, WithoutConfigurationEverythingIsSilentUntilSaved) {
  SoundFolder dir;
  playAll();
  EXPECT_EQ(played(), V{});
  saveSounds();
  EXPECT_EQ(test::readBytes(dir.file(u"sound\\sound.cfg")), "1 type.wav\r\n1 stone.wav\r\n1 wood.wav\r\n1 blade.wav\r\n");
  playAll();
  EXPECT_EQ(played(), (V{"RIFF-type", "RIFF-stone", "RIFF-wood", "RIFF-blade"}));
}

TEST(Sounds, NamesWithABackslashArePathsAndEmptyFilesFallBack) {
  SoundFolder dir;
  createFolder(dir.file(u"elsewhere"));
  test::writeBytes(dir.file(u"elsewhere\\chime.wav"), "RIFF-chime");
  test::writeBytes(dir.file(u"sound\\empty.wav"), "");
  setSound(0, true, toNarrow(dir.file(u"elsewhere\\chime.wav"), 0));
  setSound(1, true, str8("empty.wav"));
  setSound(2, true, str8("chime.wav"));  // a bare name is looked for in "sound" only
  setSound(3, true, str8(""));
  playAll();
  EXPECT_EQ(played(), (V{"RIFF-chime", "RIFF-default", "RIFF-default"}));

  sim::removeResource("default_wav");  // a program without its built-in wave
  loadSounds();
  setSound(1, true, str8("missing.wav"));
  played();
  playSound(1);
  EXPECT_EQ(played(), V{});
}

TEST(Sounds, PlaybackIsStoppedBeforeItsDataIsReplaced) {
  SoundFolder dir("1 type.wav\n1 stone.wav\n1 wood.wav\n1 blade.wav\n");
  playSound(kSoundSwitch);
  setSound(kSoundKey, true, str8("wood.wav"));  // not the one playing
  setSound(kSoundSwitch, true, str8("type.wav"));
  playSound(kSoundSwitch);
  saveSounds();
  EXPECT_EQ(played(), (V{"RIFF-blade", "stop", "RIFF-type", "stop"}));
  EXPECT_EQ(test::readBytes(dir.file(u"sound\\sound.cfg")), "1 wood.wav\r\n1 stone.wav\r\n1 wood.wav\r\n1 type.wav\r\n");
}

TEST(Sounds, TheOptionsListTheWaveFilesAndAPreviewPlaysEvenWhenSilenced) {
  SoundFolder dir;
  test::writeBytes(dir.file(u"sound\\Alarm.WAV"), "RIFF");
  test::writeBytes(dir.file(u"sound\\notes.txt"), "x");
  createFolder(dir.file(u"sound\\folder.wav"));
  ArrT<Str8> names = soundFileOptions();
  std::vector<std::string> got;
  for (const Str8& n : names) got.push_back(std::string(view(n)));
  EXPECT_EQ(got, (V{"(none)", "Alarm.WAV", "blade.wav", "stone.wav", "type.wav", "wood.wav"}));

  cfgSoundOn.set(0);  // the play buttons do not care
  previewSound(str8("stone.wav"));
  previewSound(str8("(none)"));
  previewSound(str8(""));
  V log = played();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "file " + std::string(view(toNarrow(dir.file(u"sound\\stone.wav"), 0))));
}

}  // namespace
}  // namespace orv
