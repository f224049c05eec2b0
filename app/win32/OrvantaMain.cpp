// The Windows program's entry point: the start-up routine runs the whole
// program (app/win32/Startup.cpp).

#include <windows.h>

#include "app/win32/Program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  orv::win::runProgram(instance);
  return 0;
}
