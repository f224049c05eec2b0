#include "core/IArray.h"

#include <cstdlib>
#include <cstring>

#include "core/Fatal.h"

namespace orv {

// The marker sits in the last four bytes of a header that keeps the elements
// aligned for any type (pointers and doubles on the 64-bit native build).
namespace {
constexpr size_t kHeader = alignof(std::max_align_t) > 8 ? alignof(std::max_align_t) : 8;

uint32_t* markerOf(void* block) { return static_cast<uint32_t*>(block) - 1; }
char* baseOf(void* block) { return static_cast<char*>(block) - kHeader; }
}  // namespace

void* IArray::my_alloc(size_t bytes) {
  char* base = static_cast<char*>(std::malloc(kHeader + bytes));
  FATAL_CHECK("IArray::my_alloc()" && base != nullptr);
  void* block = base + kHeader;
  *markerOf(block) = IArray_ALLOC_MAGIC;
  return block;
}

void* IArray::my_realloc(void* block, size_t bytes) {
  uint32_t* p = markerOf(block);
  FATAL_CHECK("IArray::my_realloc()" && *p == IArray_ALLOC_MAGIC);
  char* base = static_cast<char*>(std::realloc(baseOf(block), kHeader + bytes));
  FATAL_CHECK("IArray::my_realloc()" && base != nullptr);
  return base + kHeader;
}

void IArray::my_free(void* block) {
  if (!block) return;
  uint32_t* p = markerOf(block);
  FATAL_CHECK("IArray::my_free()" && *p == IArray_ALLOC_MAGIC);
  *p = 0;  // a second free of the same block is caught as a bad marker
  std::free(baseOf(block));
}

IArray::~IArray() { _freeBuffer(); }

void IArray::_freeBuffer() {
  my_free(myPtr);
  myPtr = nullptr;
  myLen = 0;
  myCap = 0;
}

int32_t IArray::grownCapacity(int32_t len, int32_t count, int32_t cap) {
  int32_t need = len + count + 3;
  if (cap == 0) return need;
  if (cap >= need) return cap;
  int32_t extra = need / 3;
  if (extra < 3) extra = 3;
  return need + extra;
}

void IArray::_insert(int32_t index, int32_t count) {
  FATAL_CHECK("IArray::_insert()" && index >= 0);
  FATAL_CHECK("IArray::_insert()" && index <= myLen);
  FATAL_CHECK("IArray::_insert()" && count >= 0);
  FATAL_CHECK("IArray::_insert()" && count <= 0x3FFFFFFF - myLen);
  const size_t es = static_cast<size_t>(elemSize());
  const int32_t cap = myPtr ? myCap : 0;
  const int32_t newCap = grownCapacity(myLen, count, cap);
  if (!myPtr) {
    myPtr = my_alloc(es * static_cast<size_t>(newCap));
    myCap = newCap;
  } else if (newCap != myCap) {
    myPtr = my_realloc(myPtr, es * static_cast<size_t>(newCap));
    myCap = newCap;
  }
  char* b = static_cast<char*>(myPtr);
  std::memmove(b + es * (index + count), b + es * index, es * (myLen - index));
  std::memset(b + es * index, 0, es * count);
  myLen += count;
  std::memset(b + es * myLen, 0, es);
}

void IArray::_remove(int32_t index, int32_t count) {
  FATAL_CHECK("IArray::_remove()" && index >= 0);
  FATAL_CHECK("IArray::_remove()" && count >= 0);
  FATAL_CHECK("IArray::_remove()" && index + count <= myLen);
  if (count == 0) return;
  const size_t es = static_cast<size_t>(elemSize());
  char* b = static_cast<char*>(myPtr);
  if (index + count == myLen) {
    myLen = index;
  } else {
    std::memmove(b + es * index, b + es * (index + count), es * (myLen - index - count));
    myLen -= count;
  }
  std::memset(b + es * myLen, 0, es);
}

void IArray::_isetSize(int32_t new_size) {
  FATAL_CHECK("IArrayT::isetSize()" && new_size >= 0);
  if (new_size > myLen)
    _insert(myLen, new_size - myLen);
  else if (new_size < myLen)
    _remove(new_size, myLen - new_size);
}

void* IArray::_buffer() {
  if (!myPtr) _insert(0, 0);
  return myPtr;
}

void IArray::_swap(IArray& other) {
  void* p = myPtr;
  int32_t l = myLen, c = myCap;
  myPtr = other.myPtr;
  myLen = other.myLen;
  myCap = other.myCap;
  other.myPtr = p;
  other.myLen = l;
  other.myCap = c;
}

}  // namespace orv
