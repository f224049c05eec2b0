#include "app/win32/Subclass.h"

#include <cwchar>

namespace orv::win {

namespace {
void propName(wchar_t* out, size_t n, const wchar_t* kind, const wchar_t* name) {
  std::swprintf(out, n, L"subclass_%ls_%ls", kind, name);
}
}  // namespace

bool Subclass::attach(HWND w, const wchar_t* name, void* self, WNDPROC proc) {
  wchar_t thisName[160], procName[160];
  propName(thisName, 160, L"this", name);
  propName(procName, 160, L"proc", name);
  if (GetPropW(w, thisName) || GetPropW(w, procName)) return false;
  auto prev = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC));
  SetPropW(w, thisName, self);
  SetPropW(w, procName, reinterpret_cast<HANDLE>(prev));
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  return true;
}

void* Subclass::self(HWND w, const wchar_t* name) {
  wchar_t thisName[160];
  propName(thisName, 160, L"this", name);
  return GetPropW(w, thisName);
}

LRESULT Subclass::callPrevious(HWND w, const wchar_t* name, UINT m, WPARAM wp, LPARAM lp) {
  wchar_t procName[160];
  propName(procName, 160, L"proc", name);
  auto prev = reinterpret_cast<WNDPROC>(GetPropW(w, procName));
  return prev ? CallWindowProcW(prev, w, m, wp, lp) : DefWindowProcW(w, m, wp, lp);
}

void Subclass::detachObject(HWND w, const wchar_t* name) {
  wchar_t thisName[160];
  propName(thisName, 160, L"this", name);
  RemovePropW(w, thisName);
}

}  // namespace orv::win
