#pragma once
// Window handlers attach by subclassing: the handler object and the previous
// window procedure live in the window properties "subclass_this_<Class>_<handler>"
// and "subclass_proc_<Class>_<handler>". Attaching refuses when either
// property exists; the object property goes at WM_DESTROY.

#include <windows.h>

namespace orv::win {

class Subclass {
 public:
  // names: e.g. L"App_trayMsgProc". proc is the handler's window procedure.
  static bool attach(HWND w, const wchar_t* name, void* self, WNDPROC proc);
  static void* self(HWND w, const wchar_t* name);
  static LRESULT callPrevious(HWND w, const wchar_t* name, UINT m, WPARAM wp, LPARAM lp);
  static void detachObject(HWND w, const wchar_t* name);
};

}  // namespace orv::win
