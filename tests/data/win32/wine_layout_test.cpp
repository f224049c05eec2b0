// The Win32 shell learns the system's own layout; under Wine (US keyboard)
// the result agrees key for key with the simulated US table, except where
// Wine's keyboard (built from the X server's keymap) is not a Windows one:
//  - the 102nd key (scan 0x56) gives X's < > instead of KBDUS's \ |;
//  - X keys a Windows US keyboard lacks appear on scans 0x63-0x65.

#include <gtest/gtest.h>

#include <cstring>

#include "keyboard/LayoutCharMap.h"
#include "platform/SimLayouts.h"

namespace orv {
namespace {

constexpr unsigned kWineExtraScans[] = {0x63, 0x64, 0x65};

TEST(Win32Layout, LearntUsMapAgreesWithTheSimulatedTable) {
  KeyboardPort& port = keyboardPort();
  Hkl layout = port.currentLayout();
  if ((layout & 0xFFFF) != 0x0409) GTEST_SKIP() << "the system layout is not a US English one: " << std::hex << layout;

  uint8_t before[256];
  port.getKeyState(before);
  LayoutCharMap m = buildLayoutCharMap(port, layout);
  EXPECT_EQ(port.currentLayout(), layout);
  uint8_t after[256];
  port.getKeyState(after);
  EXPECT_EQ(std::memcmp(before, after, 256), 0);
  EXPECT_EQ(m.codePage, 1252u);

  const SimLayout& us = *findSimLayout(0x04090409u);
  int32_t compared = 0;
  for (int32_t i = 0; i < us.keyCount; ++i) {
    const SimKey& k = us.keys[i];
    if (isExcludedVk(k.vk) || !k.plain) continue;
    const unsigned* vk = m.keys.get(k.scan);
    ASSERT_TRUE(vk) << "scan " << std::hex << unsigned(k.scan);
    EXPECT_EQ(*vk, unsigned(k.vk)) << "scan " << std::hex << unsigned(k.scan);
    for (unsigned s = 0; s < 4; ++s) {
      const unsigned* w = m.toWide.get(keyCode(k.scan, s));
      unsigned expected = simKeyChar(k, s);
      if (k.scan == 0x56) expected = (s & 1) ? u'>' : u'<';
      EXPECT_EQ(w ? *w : 0u, expected) << "scan " << std::hex << unsigned(k.scan) << " state " << s;
    }
    ++compared;
  }
  EXPECT_EQ(compared, 48);
  for (int32_t i = 0; i < m.keys.size(); ++i) {
    unsigned scan = m.keys.keyAt(i);
    const SimKey* k = simKeyByScan(us, scan);
    bool known = k && !isExcludedVk(k->vk);
    for (unsigned extra : kWineExtraScans) known = known || scan == extra;
    EXPECT_TRUE(known) << "unexpected key: scan " << std::hex << scan << " vk " << m.keys.valAt(i);
  }
  EXPECT_EQ(m.deadKeys.size(), 0);
}

}  // namespace
}  // namespace orv
