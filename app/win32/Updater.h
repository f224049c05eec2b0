#pragma once
// The updater's pieces inside the Windows program: the self-deleting worker
// threads, the update dialog they report to, and the installation of a
// verified download. Program.h has the two entry points the rest of the
// program calls.
//
// Threads never touch the dialog's windows directly: they store what is to
// be shown in the dialog object (under its lock) and post a message to the
// dialog's window, whose thread shows it. Only PostMessage crosses threads,
// so no thread ever waits on another one's message queue.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/UpdateProtocol.h"
#include "core/SynchObject.h"

namespace orv::win {

// A thread at the lowest priority that runs work() once and then deletes
// its object. Made suspended; resume() starts it (and deletes the object
// when no thread could be made).
class MyThread {
 public:
  MyThread();
  MyThread(const MyThread&) = delete;
  MyThread& operator=(const MyThread&) = delete;
  virtual ~MyThread();
  bool resume();

 protected:
  virtual void work() = 0;

 private:
  static DWORD WINAPI threadProc(void* self);
  HANDLE myThread = nullptr;
};

// The reply's moment of this build, as the update server sees it.
constexpr int64_t kBuildTime = 1334832332;

// One update session: a check and perhaps a download. Shared by its window
// (none when silent) and its threads, each holding a reference; the last
// release deletes it. While one is open no other starts.
class UpdateDialog {
 public:
  // On the calling thread, which then owns the window and must run a
  // message loop. False when a session is open already.
  static bool open(HWND owner, bool silent, bool automatic);

  void addRef();
  void release();

  // From any thread.
  void showLatest(const std::wstring& text);
  void showStatus(const std::wstring& text);
  void updateFound(const UpdateReply& reply);  // shows the button; automatic: downloads
  void startDownload();
  // The download thread's result: installs it (asking first) on the
  // window's thread, or on the calling thread when silent.
  void downloaded(std::vector<uint8_t> bytes, DownloadCheck check);
  void downloadFailed();  // nothing came
  HWND progressBar() const { return myProgress; }
  volatile LONG* cancelFlag() { return &myCancelled; }
  bool cancelled() const { return myCancelled != 0; }
  UpdateReply reply();

 private:
  UpdateDialog(HWND owner, bool silent, bool automatic);
  ~UpdateDialog();
  void createWindow();
  void layout();
  void refresh();          // on the window's thread
  void finishDownload();   // on the window's thread
  void closeWindow();
  void post(UINT message);
  void releaseFlag();
  static INT_PTR CALLBACK dialogProc(HWND w, UINT m, WPARAM wp, LPARAM lp);

  HWND myWindow = nullptr;
  bool mySilent;
  HWND myOwner;
  bool myAutomatic;
  volatile LONG myRefs = 1;
  volatile LONG myCancelled = 0;
  volatile LONG myHoldsFlag = 1;
  HWND myProgress = nullptr;
  HFONT myBigFont = nullptr;
  HFONT mySmallFont = nullptr;

  // Written by the threads, shown by the window's thread.
  SynchObject myLock;
  std::wstring myLatest;
  std::wstring myStatus;
  bool myUpdateFound = false;
  bool myDownloading = false;
  UpdateReply myReply;
  bool myHasDownload = false;
  std::vector<uint8_t> myDownload;
  DownloadCheck myCheck = DownloadCheck::Ok;
};

// Whether an update session is open.
bool updateRunning();

// The checks of one session, each on a thread of its own.
void startCheckThread(UpdateDialog* dialog);
void startDownloadThread(UpdateDialog* dialog);

// After the download passed its checks: asks the user (boxes owned by
// `owner`), renames the running executable to "<path>.old", writes the new
// one, starts it and leaves through the exit sequence. Any failure leaves
// the program as it was.
enum class InstallResult { Cancelled, Failed, Restarting };
InstallResult installUpdate(HWND owner, const std::vector<uint8_t>& bytes);

// A language text (lstr("key")) as a wide string.
std::wstring wide(const char16_t* text);

// A message box of the updater, brought to the front (and kept on top when
// it has no visible owner, as in the background checks).
int updaterBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags);

}  // namespace orv::win
