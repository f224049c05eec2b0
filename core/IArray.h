#pragma once
// The untyped base of every array in the program.
//
// Invariants:
//  - every buffer is allocated with the marker word IArray_ALLOC_MAGIC right
//    ahead of its first element; freeing or reallocating a buffer whose marker
//    differs is a fatal error (it was not ours, or memory was overwritten);
//  - whenever a buffer exists, the element at index myLen is all zero bytes, so
//    an array of characters is always a zero-terminated string;
//  - asking for the buffer of an array that has none first allocates one that
//    holds only the terminator, so the text of an empty string is never null;
//  - buffers never shrink.
// Elements are moved with memmove: only plain records, pointers, handles and
// ArrTs held by value are stored.

#include <cstddef>
#include <cstdint>

namespace orv {

constexpr uint32_t IArray_ALLOC_MAGIC = 0x8F4B9D59u;

class IArray {
 public:
  IArray() = default;
  IArray(const IArray&) = delete;
  IArray& operator=(const IArray&) = delete;
  virtual ~IArray();
  virtual int elemSize() const = 0;

  int32_t size() const { return myLen; }
  int32_t capacity() const { return myCap; }
  bool empty() const { return myLen == 0; }
  bool hasBuffer() const { return myPtr != nullptr; }

  // The capacity the growth rule gives for inserting `count` elements into an
  // array of length `len` whose buffer holds `cap` elements (0 = no buffer).
  static int32_t grownCapacity(int32_t len, int32_t count, int32_t cap);

 protected:
  void _insert(int32_t index, int32_t count);
  void _remove(int32_t index, int32_t count);
  void _isetSize(int32_t newSize);
  void* _buffer();  // allocates the terminator-only buffer when there is none
  void _swap(IArray& other);
  void _freeBuffer();

  static void* my_alloc(size_t bytes);
  static void* my_realloc(void* block, size_t bytes);
  static void my_free(void* block);

  void* myPtr = nullptr;
  int32_t myLen = 0;
  int32_t myCap = 0;
};

}  // namespace orv
