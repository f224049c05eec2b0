// localizeWindow on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/LocalStr.h"
#include "platform/FileSys.h"
#include "support/AppFolder.h"

namespace orv {
namespace {

std::u16string textOf(HWND w) {
  wchar_t buf[256];
  GetWindowTextW(w, buf, 256);
  return std::u16string(reinterpret_cast<const char16_t*>(buf));
}

TEST(LocalizeWindow, RealWindows) {
  test::AppFolder dir;
  createFolder(dir.file(u"lang"));
  test::writeBytes(dir.file(u"lang\\ru.lng"), "ok=\xD0\x9E\xD0\x9A\napply=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C\n");
  test::writeBytes(dir.ini(), "[common]\r\ninterface_lang=ru\r\n");
  LocalStr::process().forget();

  HWND top = CreateWindowExW(0, L"STATIC", L"$apply", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(top, nullptr);
  HWND child = CreateWindowExW(0, L"BUTTON", L"$ok", WS_CHILD, 0, 0, 50, 20, top, nullptr, nullptr, nullptr);
  HWND other = CreateWindowExW(0, L"BUTTON", L"Keep", WS_CHILD, 0, 0, 50, 20, top, nullptr, nullptr, nullptr);
  localizeWindow(reinterpret_cast<WindowRef>(top));
  EXPECT_EQ(textOf(top), u"\u041F\u0440\u0438\u043C\u0435\u043D\u0438\u0442\u044C");
  EXPECT_EQ(textOf(child), u"\u041E\u041A");
  EXPECT_EQ(textOf(other), u"Keep");
  DestroyWindow(top);
  LocalStr::process().forget();
}

}  // namespace
}  // namespace orv
