// The clipboard operations on the system's real clipboard.
#include <gtest/gtest.h>

#include "clipboard/Clipboard.h"

namespace orv {
namespace {

TEST(ClipboardOnWindows, SetReadSaveRestore) {
  Clipboard clip;
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"user text \u00E9")));
  clip.saveClipboard(false);
  EXPECT_EQ(view(clip.savedUnicode()), u"user text \u00E9");
  EXPECT_EQ(view(clip.savedAnsi()), "user text \xE9");
  ASSERT_TRUE(clip.setClipboardData(true, str16(u"\u043F\u0440\u0438\u0432\u0435\u0442 ")));
  Str16 text;
  ASSERT_TRUE(clip.getClipboardText(text));
  EXPECT_EQ(view(text), u"\u043F\u0440\u0438\u0432\u0435\u0442 ");
  clip.restoreClipboard();
  ASSERT_TRUE(clip.readClipboardText(text));
  EXPECT_EQ(view(text), u"user text \u00E9");
}

}  // namespace
}  // namespace orv
