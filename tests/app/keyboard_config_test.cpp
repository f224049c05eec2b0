// The keyboard code's settings and hotkeys read from the INI file.
#include <gtest/gtest.h>

#include "app/DictionaryConfig.h"
#include "app/KeyboardConfig.h"
#include "keyboard/KeyboardEngine.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

struct NullHost : KeyboardHost {
  void postThreadCommand(uint32_t, uint32_t, uint32_t) override {}
  void postRestoreClipboard(uint32_t) override {}
};

TEST(KeyboardConfig, KeyboardAndDictionarySettingsComeFromTheIniFileHeldToTheirRanges) {
  test::AppFolder dir;
  test::writeBytes(dir.ini(),
                   "[common]\r\nautosw_prepos=0\r\nswitch_layout_ctrl=2\r\nwork_start_symbol_cnt=9\r\n"
                   "autosw_space_only=0\r\n[hkl]\r\norder=04190419 04090409\r\n[dic]\r\norder=ru en\r\nskip=ua\r\n");
  CfgKeyboardSettings s;
  EXPECT_EQ(s.autoswPrepos(), 0);
  EXPECT_EQ(s.switchLayoutCtrl(), 2);
  EXPECT_EQ(s.workStartSymbolCount(), 4);
  EXPECT_EQ(s.autoswSpaceOnly(), 0);
  EXPECT_EQ(s.hklOrder(), "04190419 04090409");
  CfgDictionarySettings dic;
  EXPECT_EQ(dic.dicOrder(), str16(u"ru en"));
  EXPECT_EQ(dic.dicSkip(), str16(u"ua"));
}

TEST(KeyboardConfig, HotkeySectionIsReadAndItsUnknownLinesKept) {
  test::AppFolder dir;
  // Which lines set which codes is hotkeys_test's; here, that the section is read and left alone.
  test::writeBytes(dir.ini(), "[hotkey]\r\n!!switch=1043\r\nmystery=5\r\nno value line\r\n");
  HookShared shared{};
  Clipboard clipboard;
  NullHost host;
  KeyboardEngine engine(shared, clipboard, host);
  engine.loadHotkeys();
  EXPECT_EQ(engine.hotkeyCode("!!switch", -1), 1043);
  EXPECT_NE(test::readBytes(dir.ini()).find("mystery=5"), std::string::npos);
}

}  // namespace
}  // namespace orv
