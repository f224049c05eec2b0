// localizeWindow over the simulated desktop's window tree.
#include <gtest/gtest.h>

#include "app/LocalStr.h"
#include "platform/FileSys.h"
#include "platform/sim/SimWindowTree.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

TEST(LocalizeWindow, ReplacesDollarTextsDepthFirst) {
  test::AppFolder dir;
  createFolder(dir.file(u"lang"));
  test::writeBytes(dir.file(u"lang\\en.lng"), "ok=OK\napply=Apply\ncancel=Cancel\n");
  test::writeBytes(dir.ini(), "[common]\r\ninterface_lang=en\r\n");
  LocalStr::process().forget();

  WindowRef top = sim::createTextWindow(0, u"$main_window_title");
  WindowRef panel = sim::createTextWindow(top, u"");
  WindowRef ok = sim::createTextWindow(panel, u"$ok");
  WindowRef plain = sim::createTextWindow(panel, u"Plain $ok");
  WindowRef inner = sim::createTextWindow(ok, u"$cancel");
  WindowRef apply = sim::createTextWindow(top, u"$apply");
  localizeWindow(top);
  EXPECT_EQ(utf16ToUtf8(windowText(top)), "?main_window_title");
  EXPECT_EQ(utf16ToUtf8(windowText(ok)), "OK");
  EXPECT_EQ(utf16ToUtf8(windowText(inner)), "Cancel");
  EXPECT_EQ(utf16ToUtf8(windowText(apply)), "Apply");
  EXPECT_EQ(utf16ToUtf8(windowText(plain)), "Plain $ok");
  localizeWindow(top);  // already localized: nothing left to replace, no text set again
  EXPECT_EQ(sim::textSetCount(ok), 1);
  EXPECT_EQ(sim::textSetCount(plain), 0);
  sim::destroyTextWindow(top);
  localizeWindow(top);  // a vanished window is no error
  LocalStr::process().forget();
}

}  // namespace
}  // namespace orv
