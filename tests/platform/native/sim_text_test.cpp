#include <gtest/gtest.h>

#include "core/Str.h"
#include "platform/Text.h"
#include "platform/sim/SimText.h"

namespace orv {
namespace {

class SimAnsiPage : public ::testing::Test {
 protected:
  void TearDown() override { sim::setAnsiCodePage(1252); }
};

TEST_F(SimAnsiPage, FollowsTheConfiguredPage) {
  EXPECT_EQ(ansiCodePage(), 1252u);
  EXPECT_EQ(oemCodePage(), 437u);
  sim::setAnsiCodePage(1251);
  EXPECT_EQ(oemCodePage(), 866u);
  Str16 w;
  ASSERT_TRUE(multiByteToWide(kCpAnsi, "\xEF\xF0", 2, w));
  EXPECT_EQ(view(w), u"\u043F\u0440");
  ASSERT_TRUE(multiByteToWide(kCpOem, "\xAF\xE0", 2, w));
  EXPECT_EQ(view(w), u"\u043F\u0440");
  char buf[] = "\xEF\xF0\xE8\xE2\xE5\xF2\xB8";
  charUpperBuffA(buf, 7);
  EXPECT_STREQ(buf, "\xCF\xD0\xC8\xC2\xC5\xD2\xA8");
}

}  // namespace
}  // namespace orv
