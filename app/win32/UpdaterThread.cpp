// The updater's threads: the self-deleting thread wrapper and the
// background thread that checks for updates now and then (1 s after
// start-up, a minute later, then at doubling gaps).

#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/Updater.h"

namespace orv::win {

MyThread::MyThread() {
  myThread = CreateThread(nullptr, 0, threadProc, this, CREATE_SUSPENDED, nullptr);
  if (myThread) SetThreadPriority(myThread, THREAD_PRIORITY_LOWEST);
}

MyThread::~MyThread() {
  if (myThread) CloseHandle(myThread);
}

bool MyThread::resume() {
  if (!myThread) {
    delete this;
    return false;
  }
  ResumeThread(myThread);
  return true;
}

DWORD WINAPI MyThread::threadProc(void* self) {
  auto* thread = static_cast<MyThread*>(self);
  thread->work();
  delete thread;
  return 0;
}

namespace {

class IntervallyUpdateThread : public MyThread {
 protected:
  void work() override {
    uint32_t wait = 1000;
    for (;;) {
      Sleep(wait);
      // Switched off, the thread keeps looking every second so that
      // switching on takes effect soon.
      if (!cfgUpdaterAutoUpdate.get()) continue;
      if (!updateRunning()) openUpdateDialog(nullptr, true);
      wait = nextUpdateWait(wait);
    }
  }
};

}  // namespace

void startIntervalUpdates() {
  static volatile LONG started = 0;
  if (InterlockedExchange(&started, 1)) return;
  (new IntervallyUpdateThread)->resume();
}

}  // namespace orv::win
