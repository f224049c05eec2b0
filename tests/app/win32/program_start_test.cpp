// The Windows program starts, shows its main window class to other programs
// and ends cleanly on that window's exit command (what a second start sends;
// closing the window only hides it).
#include <windows.h>

#include <gtest/gtest.h>

namespace {

HWND waitForWindow(const wchar_t* cls, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    if (HWND w = FindWindowW(cls, nullptr)) return w;
    Sleep(50);
  }
  return nullptr;
}

TEST(ProgramStart, StartsAndClosesCleanly) {
  wchar_t cmd[] = L"Orvanta.exe";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(CreateProcessW(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << "Orvanta.exe must lie beside the test program";
  HWND main = waitForWindow(L"orvanta_main_window_class", 15000);
  EXPECT_NE(main, nullptr);
  if (main) PostMessageW(main, WM_COMMAND, 100, 0);
  DWORD wait = WaitForSingleObject(pi.hProcess, 15000);
  if (wait != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
  EXPECT_EQ(wait, WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace
