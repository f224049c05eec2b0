// The menu's real windows: what a shown menu is made of on Windows, and that
// closing it takes every window with it.
#include <windows.h>

#include <gtest/gtest.h>

#include "clipboard/MenuSession.h"
#include "clipboard/win32/GdiMeasure.h"
#include "clipboard/win32/MenuWindow.h"

namespace orv::win {
namespace {

XMenu* menuWithItems(int32_t transparency) {
  XMenu* root = new XMenu(MenuKind::Sub);
  root->style = makeMenuStyle(str16(u"Tahoma"), 4, transparency);
  root->title = str16(u"Clipboard");
  XMenu* sub = root->add(new XMenu(MenuKind::Sub, str16(u"More")));
  sub->style = root->style;
  sub->add(new XMenu(MenuKind::Item, str16(u"inner")))->style = root->style;
  root->add(new XMenu(MenuKind::Item, str16(u"first")))->style = root->style;
  return root;
}

TEST(MenuWindowOnWindows, ShownMenuIsATopmostNeverActivatedWindowLayeredBelow250) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  ASSERT_TRUE(registerMenuWindowClass(instance));
  HWND owner = CreateWindowExW(0, L"static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  ASSERT_NE(owner, nullptr);
  GdiMeasure measure;
  MenuWindows view(instance, owner, measure);
  MenuSession session(view, measure);
  view.attach(session);

  struct Case {
    int32_t transparency;
    bool layered;
  };
  for (Case c : {Case{249, true}, Case{250, false}, Case{100, true}, Case{255, false}}) {
    SCOPED_TRACE(c.transparency);
    HWND before = GetForegroundWindow();
    XMenu* root = menuWithItems(c.transparency);
    session.show(root, MenuRect{100, 100, 100, 100}, false, true);
    HWND w = view.rootWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsWindowVisible(w));
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    EXPECT_STREQ(cls, L"Orvanta:menu");
    EXPECT_EQ(GetPropW(w, L"XMenu:this"), root);
    EXPECT_EQ(GetWindow(w, GW_OWNER), owner);
    const LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_TOPMOST | WS_EX_NOACTIVATE), WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    EXPECT_EQ((ex & WS_EX_LAYERED) != 0, c.layered);
    EXPECT_EQ(GetForegroundWindow(), before);
    EXPECT_EQ(SendMessageW(w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(w), 0), MA_NOACTIVATE);

    // A sub-menu is owned by its parent's window; WM_CLOSE leaves it open,
    // on the root it closes everything.
    session.openSub(*root->child(0));
    HWND sub = reinterpret_cast<HWND>(root->child(0)->window);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(GetWindow(sub, GW_OWNER), w);
    SendMessageW(sub, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(sub));
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(sub));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(view.rootWindow(), nullptr);
    EXPECT_EQ(session.shownRoot(), nullptr);
  }
  DestroyWindow(owner);
}

}  // namespace
}  // namespace orv::win
