// The keyboard port on Windows. Keys are translated by TranslateMessage into
// a hidden window of the dialog class "#32770"; the queued WM_CHAR and
// WM_DEADCHAR messages are taken with PeekMessageA, so their wParam is the
// 8-bit character of the active layout.

#include <windows.h>

#include "platform/Keyboard.h"

namespace orv {

namespace {

HKL toHkl(Hkl layout) {
  // Layout handles are 32-bit values sign-extended into a pointer.
  return reinterpret_cast<HKL>(static_cast<intptr_t>(static_cast<int32_t>(layout)));
}
Hkl fromHkl(HKL layout) { return static_cast<Hkl>(reinterpret_cast<uintptr_t>(layout)); }

class Win32Keyboard : public KeyboardPort {
 public:
  int32_t layoutList(Hkl* out, int32_t room) override {
    HKL list[100];
    int n = GetKeyboardLayoutList(100, list);
    int32_t written = 0;
    for (int i = 0; i < n && written < room; ++i) out[written++] = fromHkl(list[i]);
    return written;
  }
  Hkl currentLayout() override { return fromHkl(GetKeyboardLayout(0)); }
  bool activateLayout(Hkl layout) override { return ActivateKeyboardLayout(toHkl(layout), 0) != nullptr; }
  uint32_t scanToVk(uint32_t scan) override { return MapVirtualKeyW(scan, 3 /* MAPVK_VSC_TO_VK_EX */); }
  void getKeyState(uint8_t state[256]) override { GetKeyboardState(state); }
  void setKeyState(const uint8_t state[256]) override { SetKeyboardState(const_cast<uint8_t*>(state)); }

  bool openProbe() override {
    if (!myWindow) myWindow = CreateWindowExA(0, "#32770", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    return myWindow != nullptr;
  }
  void closeProbe() override {
    if (myWindow) DestroyWindow(myWindow);
    myWindow = nullptr;
  }

  KeyMessages translateKey(uint32_t vk, uint32_t scan, bool up) override {
    KeyMessages out;
    if (!myWindow) return out;
    MSG msg = {};
    msg.hwnd = myWindow;
    msg.message = up ? WM_KEYUP : WM_KEYDOWN;
    msg.wParam = vk;
    msg.lParam = static_cast<LPARAM>((scan << 16) | (up ? 0xC0000001u : 0x40000001u));
    TranslateMessage(&msg);
    // Only the probing window's messages are taken: the thread may have
    // others queued that are not ours to dispatch.
    MSG m;
    while (PeekMessageA(&m, myWindow, 0, 0, PM_REMOVE)) {
      if (m.message == WM_CHAR) {
        if (out.chars == 0) out.firstChar = static_cast<uint32_t>(m.wParam) & 0xFF;
        else if (out.chars == 1) out.secondChar = static_cast<uint32_t>(m.wParam) & 0xFF;
        if (out.chars < 255) ++out.chars;
      } else if (m.message == WM_DEADCHAR) {
        out.dead = true;
        out.deadChar = static_cast<uint32_t>(m.wParam) & 0xFF;
      }
      DispatchMessageA(&m);
    }
    return out;
  }

 private:
  HWND myWindow = nullptr;
};

}  // namespace

KeyboardPort& keyboardPort() {
  static Win32Keyboard keyboard;
  return keyboard;
}

}  // namespace orv
