#include "core/SynchObject.h"

#include "core/Fatal.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace orv {

#ifdef _WIN32
static_assert(sizeof(CRITICAL_SECTION) <= 64, "section storage");
namespace {
CRITICAL_SECTION* cs(unsigned char* p) { return reinterpret_cast<CRITICAL_SECTION*>(p); }
// Two threads may race to the first entry; a process-wide init lock settles it.
INIT_ONCE g_once = INIT_ONCE_STATIC_INIT;
CRITICAL_SECTION g_initLock;
BOOL CALLBACK initOnce(PINIT_ONCE, PVOID, PVOID*) {
  InitializeCriticalSection(&g_initLock);
  return TRUE;
}
}  // namespace

void SynchObject::init() {
  InitOnceExecuteOnce(&g_once, initOnce, nullptr, nullptr);
  EnterCriticalSection(&g_initLock);
  if (!myInited) {
    InitializeCriticalSection(cs(mySection));
    myInited = 1;
  }
  LeaveCriticalSection(&g_initLock);
}

void SynchObject::enter() {
  if (!myInited) init();
  EnterCriticalSection(cs(mySection));
}

void SynchObject::leave() {
  FATAL_CHECK("SynchObject::leave()" && myInited);
  LeaveCriticalSection(cs(mySection));
}

SynchObject::~SynchObject() {
  if (myInited) DeleteCriticalSection(cs(mySection));
}
#else
static_assert(sizeof(pthread_mutex_t) <= 64, "section storage");
namespace {
pthread_mutex_t* mx(unsigned char* p) { return reinterpret_cast<pthread_mutex_t*>(p); }
pthread_mutex_t g_initLock = PTHREAD_MUTEX_INITIALIZER;
}  // namespace

void SynchObject::init() {
  pthread_mutex_lock(&g_initLock);
  if (!myInited) {
    pthread_mutexattr_t attr;
    pthread_mutexattr_init(&attr);
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(mx(mySection), &attr);
    pthread_mutexattr_destroy(&attr);
    __atomic_store_n(&myInited, 1, __ATOMIC_RELEASE);
  }
  pthread_mutex_unlock(&g_initLock);
}

void SynchObject::enter() {
  if (!__atomic_load_n(&myInited, __ATOMIC_ACQUIRE)) init();
  pthread_mutex_lock(mx(mySection));
}

void SynchObject::leave() {
  FATAL_CHECK("SynchObject::leave()" && myInited);
  pthread_mutex_unlock(mx(mySection));
}

SynchObject::~SynchObject() {
  if (myInited) pthread_mutex_destroy(mx(mySection));
}
#endif

}  // namespace orv
