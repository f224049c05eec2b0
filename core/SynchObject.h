#pragma once
// A lazily initialised re-entrant lock (a critical section on Windows). It can
// be a global constructed in any order: the section is set up on first entry.

#include <cstdint>

namespace orv {

class SynchObject {
 public:
  SynchObject() = default;
  SynchObject(const SynchObject&) = delete;
  SynchObject& operator=(const SynchObject&) = delete;
  ~SynchObject();

  void enter();
  void leave();
  bool inited() const { return myInited != 0; }

  class Guard {
   public:
    explicit Guard(SynchObject& lock) : myLock(lock) { myLock.enter(); }
    ~Guard() { myLock.leave(); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

   private:
    SynchObject& myLock;
  };

 private:
  void init();
  // Storage for the platform section: CRITICAL_SECTION is 24 bytes on 32-bit
  // Windows, pthread_mutex_t 40 on 64-bit Linux.
  alignas(8) unsigned char mySection[64] = {};
  volatile long myInited = 0;
};

}  // namespace orv
