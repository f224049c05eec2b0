// The program's word knowledge over the simulated keyboard's layouts.
#include <gtest/gtest.h>

#include "app/ProgramEngine.h"
#include "app/ProgramWords.h"
#include "app/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/sim/SimKeyboard.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

struct QuietHost : KeyboardHost {
  void postThreadCommand(uint32_t, uint32_t, uint32_t) override {}
  void postRestoreClipboard(uint32_t) override {}
};

// Start-up's word knowledge: the impossibility lists, the dictionaries with
// the installed layouts (so that adding a word finds its language), and the
// dictionary order read again when the installed layouts change.
TEST(ProgramWords, FollowTheInstalledLayouts) {
  constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kDe = 0x04070407;
  test::AppFolder dir;
  test::writeBytes(joinPath(dir.folder("dic/en_US"), u"charset"), "windows-1252");
  test::writeBytes(joinPath(dir.folder("dic/ru_RU"), u"charset"), "windows-1251");
  test::writeBytes(joinPath(dir.folder("impossibility"), u"RU!EN.txt"), "\xfa\xfc\r\n");
  SynchObject applicationLock;
  ProgramWords words(dir.path(), applicationLock);
  words.loadImpossibilities();
  words.loadDictionaries();
  EXPECT_NE(words.impossibilities().find(str8("ru!en")), nullptr);
  DictionarySet& set = words.dictionaries();
  ASSERT_EQ(set.size(), 2);
  const Str8 privet = toNarrow(str16(u"привет"), 1251);
  set.addUserWord(str16(u"привет"));  // no layout known yet: no language
  EXPECT_FALSE(set.isKnown(privet, 1251));

  sim::SimKeyboard kb;
  Hkl two[] = {kUs, kRu};
  kb.setInstalled(two, 2);
  HookShared shared{};
  Clipboard clipboard;
  QuietHost host;
  KeyboardSettings settings;
  ProgramEngine engine{shared, clipboard, host};
  KeyboardState state{kb, settings, engine};
  engine.attach(state);
  engine.bindWords(&words);
  state.syncLayouts();
  set.addUserWord(str16(u"привет"));
  EXPECT_TRUE(set.findByName(str16(u"ru_RU"))->isWord(privet));
  EXPECT_FALSE(set.findByName(str16(u"en_US"))->isWord(privet));

  cfgDicOrder.set(u"ru_RU en_US");
  dir.folder("dic/de_DE");
  Hkl three[] = {kUs, kRu, kDe};
  kb.setInstalled(three, 3);
  state.syncLayouts();
  ASSERT_EQ(set.size(), 3);
  EXPECT_EQ(view(set.at(0)->getName()), u"ru_RU");
  EXPECT_EQ(view(set.at(2)->getName()), u"de_DE");
}

}  // namespace
}  // namespace orv
