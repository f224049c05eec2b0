// Control tool of the end-to-end tests. Commands:
//   gettext TITLE ID             prints the text of control ID in window TITLE
//   settext TITLE ID TEXT        sets it and puts the caret at its end
//   command CLASS N              posts WM_COMMAND N to a window of CLASS
//   activate TITLE               makes TITLE the foreground window; exit code 0
//                                when it is
//   close TITLE                  posts WM_CLOSE to the window TITLE
//   window CLASS                 prints the handle of a window of CLASS, or 0
//   exists TITLE                 prints 1 while a visible window TITLE exists
//                                (Wine's own view: X may still map a closed one)
//   paste DLL TITLE ERASE TEXT   puts TEXT on the clipboard and runs the hook
//                                library's paste sequence in TITLE's thread as
//                                the program does: shared block fields, then
//                                thread command 23685 / 23688; waits until the
//                                library ends the sequence at the sentinel key
//   chord VK...                  presses the keys (hexadecimal virtual keys,
//                                with their scan codes, as a keyboard would)
//                                in order and releases them in reverse: for
//                                chords the X server keeps for itself
//   copy DLL TITLE               runs the copy sequence (23685 / 23689) in
//                                TITLE's thread; prints the clipboard text
//   echo DLL TITLE N             thread command 23685 / 23687 with step N
//   select TITLE ID              selects all text of control ID
//   layout DLL TITLE             thread command 23685 / 23685 (activate the
//                                thread's own layout)
//   point TITLE ID INDEX         prints the screen position "X Y" of a point
//                                inside character INDEX of control ID, near
//                                its left edge (where a click puts the caret
//                                in front of it)
//   click TITLE ID               presses button ID of window TITLE (BM_CLICK)
//   foreground                   prints the title of the foreground window
//   clipboard                    prints the clipboard's text
//   setclip TEXT [private]       puts TEXT on the clipboard; "private" marks it
//                                as a password manager does, so that no
//                                clipboard history takes it
//   rect CLASS                   prints "LEFT TOP RIGHT BOTTOM" around every
//                                visible window of CLASS; exit code 1 when none
//   pick TITLE ID INDEX          selects item INDEX of list or combo box ID
//                                and tells its parent (LBN_ / CBN_SELCHANGE,
//                                posted: the parent may ask a question)
//   find TITLE ID TEXT           prints the index of the item TEXT of list or
//                                combo box ID
//   tray EVENT                   posts the tray icon's notification (EVENT:
//                                the mouse message, decimal) to the program's
//                                main window, as the notification area does
//   checked TITLE ID             prints 1 when check box ID is checked, else 0
//   enabled TITLE ID             prints 1 when control ID is enabled, else 0
// A control ID not found among the window's children is looked for among the
// visible controls of its pages (the options window's).
// Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "hook/HookLogic.h"
#include "hook/SharedBlock.h"

namespace {

struct VisibleId {
  int id;
  HWND found;
};

BOOL CALLBACK visibleWithId(HWND w, LPARAM lp) {
  auto* v = reinterpret_cast<VisibleId*>(lp);
  if (GetDlgCtrlID(w) != v->id || !IsWindowVisible(w)) return TRUE;
  v->found = w;
  return FALSE;
}

HWND control(const wchar_t* title, const wchar_t* id) {
  HWND w = FindWindowW(nullptr, title);
  if (!w) return nullptr;
  if (HWND c = GetDlgItem(w, _wtoi(id))) return c;
  VisibleId v{_wtoi(id), nullptr};
  EnumChildWindows(w, visibleWithId, reinterpret_cast<LPARAM>(&v));
  return v.found;
}

// The program's hidden main window: the untitled tool dialog of the process
// that owns the options window.
struct MainOf {
  DWORD process;
  HWND found;
};

BOOL CALLBACK mainWindowOf(HWND w, LPARAM lp) {
  auto* m = reinterpret_cast<MainOf*>(lp);
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (process != m->process || std::wcscmp(cls, L"#32770") || GetWindowTextLengthW(w) ||
      !(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
    return TRUE;
  m->found = w;
  return FALSE;
}

orv::HookShared* sharedBlock(const wchar_t* dll) {
  HMODULE h = LoadLibraryW(dll);
  if (!h) return nullptr;
  auto get = reinterpret_cast<void* (*)()>(reinterpret_cast<void*>(GetProcAddress(h, "getDLLxEXE")));
  return get ? reinterpret_cast<orv::HookShared*>(static_cast<char*>(get()) - 24) : nullptr;
}

bool setClipboard(const wchar_t* text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (mem) {
    std::memcpy(GlobalLock(mem), text, bytes);
    GlobalUnlock(mem);
    if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
  }
  CloseClipboard();
  return mem != nullptr;
}

int postCommand(const wchar_t* dll, const wchar_t* title, WPARAM cmd, LPARAM arg, orv::HookShared** block) {
  *block = sharedBlock(dll);
  HWND target = FindWindowW(nullptr, title);
  if (!*block || !target) {
    std::printf("no block or no target\n");
    return 1;
  }
  DWORD thread = GetWindowThreadProcessId(target, nullptr);
  return PostThreadMessageW(thread, orv::hook::kThreadCommand, cmd, arg) ? 0 : 1;
}

struct VisibleOfClass {
  const wchar_t* cls;
  RECT rect;
  bool found;
};

BOOL CALLBACK unionOfClass(HWND w, LPARAM lp) {
  auto* v = reinterpret_cast<VisibleOfClass*>(lp);
  wchar_t name[64] = {};
  RECT r;
  if (!IsWindowVisible(w) || !GetClassNameW(w, name, 64) || std::wcscmp(name, v->cls) || !GetWindowRect(w, &r))
    return TRUE;
  if (!v->found) v->rect = r;
  UnionRect(&v->rect, &v->rect, &r);
  v->found = true;
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const wchar_t* cmd = argv[1];
  if (!std::wcscmp(cmd, L"gettext") && argc == 4) {
    HWND c = control(argv[2], argv[3]);
    if (!c) return 1;
    wchar_t buf[1024] = {};
    SendMessageW(c, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    std::printf("%ls\n", buf);
    return 0;
  }
  if (!std::wcscmp(cmd, L"settext") && argc == 5) {
    HWND c = control(argv[2], argv[3]);
    if (!c) return 1;
    SendMessageW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    SendMessageW(c, EM_SETSEL, 0x7FFF, 0x7FFF);
    return 0;
  }
  if (!std::wcscmp(cmd, L"window") && argc == 3) {
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(FindWindowW(argv[2], nullptr))));
    return 0;
  }
  if (!std::wcscmp(cmd, L"exists") && argc == 3) {
    HWND w = FindWindowW(nullptr, argv[2]);
    std::printf("%d\n", w && IsWindowVisible(w) ? 1 : 0);
    return 0;
  }
  if (!std::wcscmp(cmd, L"activate") && argc == 3) {
    HWND w = FindWindowW(nullptr, argv[2]);
    if (!w) return 1;
    SetForegroundWindow(w);
    for (int i = 0; i < 40 && GetForegroundWindow() != w; ++i) Sleep(50);
    return GetForegroundWindow() == w ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"close") && argc == 3) {
    HWND w = FindWindowW(nullptr, argv[2]);
    return w && PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"command") && argc == 4) {
    HWND w = FindWindowW(argv[2], nullptr);
    return w && PostMessageW(w, WM_COMMAND, _wtoi(argv[3]), 0) ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"paste") && argc == 6) {
    if (!setClipboard(argv[5])) return 1;
    orv::HookShared* block = sharedBlock(argv[2]);
    if (!block) return 1;
    block->operation = orv::kOpRetype;
    block->pasteLayout = 0;
    block->eraseCount = static_cast<uint32_t>(_wtoi(argv[4]));
    block->sequenceActive = 1;
    if (postCommand(argv[2], argv[3], orv::hook::kCmdPaste, 0, &block)) return 1;
    for (int i = 0; i < 100 && block->sequenceActive; ++i) Sleep(50);
    std::printf("sequenceActive=%u\n", block->sequenceActive);
    return block->sequenceActive ? 1 : 0;
  }
  if (!std::wcscmp(cmd, L"chord") && argc >= 3) {
    for (int i = 2; i < argc; ++i) {
      BYTE vk = static_cast<BYTE>(wcstoul(argv[i], nullptr, 16));
      keybd_event(vk, static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), 0, 0);
      Sleep(30);
    }
    for (int i = argc - 1; i >= 2; --i) {
      BYTE vk = static_cast<BYTE>(wcstoul(argv[i], nullptr, 16));
      keybd_event(vk, static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
      Sleep(30);
    }
    return 0;
  }
  if (!std::wcscmp(cmd, L"select") && argc == 4) {
    HWND c = control(argv[2], argv[3]);
    return c && SendMessageW(c, EM_SETSEL, 0, -1) >= 0 ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"echo") && argc == 5) {
    orv::HookShared* block;
    return postCommand(argv[2], argv[3], orv::hook::kCmdEcho, _wtoi(argv[4]), &block);
  }
  if (!std::wcscmp(cmd, L"copy") && argc == 4) {
    if (!setClipboard(L"")) return 1;
    orv::HookShared* block = sharedBlock(argv[2]);
    if (!block) return 1;
    block->operation = orv::kOpCopyOnly;
    block->sequenceActive = 1;
    if (postCommand(argv[2], argv[3], orv::hook::kCmdCopy, 0, &block)) return 1;
    for (int i = 0; i < 100 && block->sequenceActive; ++i) Sleep(50);
    Sleep(200);
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE h = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = h ? static_cast<const wchar_t*>(GlobalLock(h)) : nullptr;
    std::printf("%ls\n", text ? text : L"");
    if (text) GlobalUnlock(h);
    CloseClipboard();
    return block->sequenceActive ? 1 : 0;
  }
  if (!std::wcscmp(cmd, L"layout") && argc == 4) {
    HWND target = FindWindowW(nullptr, argv[3]);
    if (!target) return 1;
    DWORD thread = GetWindowThreadProcessId(target, nullptr);
    orv::HookShared* block;
    return postCommand(argv[2], argv[3], orv::hook::kCmdActivateLayout,
                       reinterpret_cast<LPARAM>(GetKeyboardLayout(thread)), &block);
  }
  if (!std::wcscmp(cmd, L"point") && argc == 5) {
    HWND c = control(argv[2], argv[3]);
    if (!c) return 1;
    LRESULT pos = SendMessageW(c, EM_POSFROMCHAR, _wtoi(argv[4]), 0);
    if (pos == -1) return 1;
    POINT p = {static_cast<short>(LOWORD(pos)) + 1, static_cast<short>(HIWORD(pos)) + 6};
    ClientToScreen(c, &p);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
  }
  if (!std::wcscmp(cmd, L"click") && argc == 4) {
    HWND c = control(argv[2], argv[3]);
    return c && PostMessageW(c, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"foreground") && argc == 2) {
    wchar_t title[256] = {};
    GetWindowTextW(GetForegroundWindow(), title, 256);
    std::printf("%ls\n", title);
    return 0;
  }
  if (!std::wcscmp(cmd, L"clipboard") && argc == 2) {
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE h = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = h ? static_cast<const wchar_t*>(GlobalLock(h)) : nullptr;
    std::printf("%ls\n", text ? text : L"");
    if (text) GlobalUnlock(h);
    CloseClipboard();
    return 0;
  }
  if (!std::wcscmp(cmd, L"setclip") && (argc == 3 || argc == 4)) {
    if (!setClipboard(argv[2])) return 1;
    if (argc == 4 && OpenClipboard(nullptr)) {
      HGLOBAL mark = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
      if (mark) {
        *static_cast<DWORD*>(GlobalLock(mark)) = 0;
        GlobalUnlock(mark);
        if (!SetClipboardData(RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"), mark))
          GlobalFree(mark);
      }
      CloseClipboard();
    }
    return 0;
  }
  if (!std::wcscmp(cmd, L"pick") && argc == 5) {
    HWND c = control(argv[2], argv[3]);
    wchar_t cls[16] = {};
    if (c) GetClassNameW(c, cls, 16);
    const bool combo = !lstrcmpiW(cls, L"ComboBox");
    if (!c || SendMessageW(c, combo ? CB_SETCURSEL : LB_SETCURSEL, _wtoi(argv[4]), 0) < 0) return 1;
    PostMessageW(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(c));
    return 0;
  }
  if (!std::wcscmp(cmd, L"find") && argc == 5) {
    HWND c = control(argv[2], argv[3]);
    wchar_t cls[16] = {};
    if (c) GetClassNameW(c, cls, 16);
    const bool combo = !lstrcmpiW(cls, L"ComboBox");
    LRESULT i = c ? SendMessageW(c, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(argv[4]))
                  : -1;
    if (i < 0) return 1;
    std::printf("%d\n", static_cast<int>(i));
    return 0;
  }
  if (!std::wcscmp(cmd, L"tray") && argc == 3) {
    MainOf m{0, nullptr};
    GetWindowThreadProcessId(FindWindowW(L"orvanta_main_window_class", nullptr), &m.process);
    if (m.process) EnumWindows(mainWindowOf, reinterpret_cast<LPARAM>(&m));
    // The notification message of the program's tray icon (WM_USER + 333).
    return m.found && PostMessageW(m.found, WM_USER + 333, 1, _wtoi(argv[2])) ? 0 : 1;
  }
  if (!std::wcscmp(cmd, L"checked") && argc == 4) {
    HWND c = control(argv[2], argv[3]);
    if (!c) return 1;
    std::printf("%d\n", SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    return 0;
  }
  if (!std::wcscmp(cmd, L"enabled") && argc == 4) {
    HWND c = control(argv[2], argv[3]);
    if (!c) return 1;
    std::printf("%d\n", IsWindowEnabled(c) ? 1 : 0);
    return 0;
  }
  if (!std::wcscmp(cmd, L"rect") && argc == 3) {
    VisibleOfClass v{argv[2], {0, 0, 0, 0}, false};
    EnumWindows(unionOfClass, reinterpret_cast<LPARAM>(&v));
    if (!v.found) return 1;
    std::printf("%ld %ld %ld %ld\n", v.rect.left, v.rect.top, v.rect.right, v.rect.bottom);
    return 0;
  }
  return 2;
}
