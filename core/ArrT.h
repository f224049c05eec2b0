#pragma once
// IArrayT<T> and ArrT<T>: the typed arrays over IArray. ArrT<char> is the 8-bit
// string (code page named where it is used), ArrT<char16_t> the UTF-16 string.
// Elements are plain records or ArrTs held by value: they are relocated with
// memmove and new slots start zero-filled, which for an ArrT element is an
// empty array once its table pointer is set (done below).

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "core/Fatal.h"
#include "core/IArray.h"

namespace orv {

template <typename T>
class IArrayT : public IArray {
 public:
  int elemSize() const override { return static_cast<int>(sizeof(T)); }

  T* data() { return static_cast<T*>(_buffer()); }
  const T* data() const { return static_cast<const T*>(const_cast<IArrayT*>(this)->_buffer()); }

  void isetSize(int32_t new_size) {
    if (new_size < myLen) destroyRange(new_size, myLen - new_size);
    int32_t old = myLen;
    _isetSize(new_size);
    if (new_size > old) constructRange(old, new_size - old);
  }

 protected:
  T* raw() const { return static_cast<T*>(myPtr); }
  void constructRange(int32_t index, int32_t count) {
    if constexpr (!std::is_trivially_default_constructible_v<T>)
      for (int32_t i = 0; i < count; ++i) new (raw() + index + i) T();
  }
  void destroyRange(int32_t index, int32_t count) {
    if constexpr (!std::is_trivially_destructible_v<T>)
      for (int32_t i = 0; i < count; ++i) raw()[index + i].~T();
  }
};

template <typename T>
class ArrT : public IArrayT<T> {
  using IArray::myLen;
  using IArrayT<T>::raw;

 public:
  ArrT() = default;
  ArrT(const ArrT& other) { append(other.raw(), other.myLen); }
  ArrT(ArrT&& other) noexcept { this->_swap(other); }
  ArrT(const T* items, int32_t count) { append(items, count); }
  ~ArrT() override { this->destroyRange(0, myLen); }

  ArrT& operator=(const ArrT& other) {
    if (this != &other) {
      ArrT copy(other);
      this->_swap(copy);
    }
    return *this;
  }
  ArrT& operator=(ArrT&& other) noexcept {
    if (this != &other) {
      clear();
      this->_swap(other);
    }
    return *this;
  }

  T& at(int32_t index) {
    FATAL_CHECK("ArrT::at()" && index >= 0);
    FATAL_CHECK("ArrT::at()" && index < this->myLen);
    return raw()[index];
  }
  const T& at(int32_t index) const { return const_cast<ArrT*>(this)->at(index); }
  T& operator[](int32_t index) { return at(index); }
  const T& operator[](int32_t index) const { return at(index); }

  T& last() {
    FATAL_CHECK("ArrT::last()" && this->myLen > 0);
    return raw()[myLen - 1];
  }
  const T& last() const { return const_cast<ArrT*>(this)->last(); }

  // Inserts `count` elements at `index`; they start zero-filled (default
  // constructed for ArrT elements).
  T* insert(int32_t index, int32_t count = 1) {
    this->_insert(index, count);
    this->constructRange(index, count);
    return raw() + index;
  }
  void insertAt(int32_t index, const T& value) { new (insert(index, 1)) T(value); }

  void remove(int32_t index, int32_t count = 1) {
    FATAL_CHECK("ArrT::remove()" && index >= 0);
    FATAL_CHECK("ArrT::remove()" && count >= 0);
    FATAL_CHECK("ArrT::remove()" && index + count <= this->myLen);
    this->destroyRange(index, count);
    this->_remove(index, count);
  }

  T removeAt(int32_t index) {
    FATAL_CHECK("ArrT::removeAt()" && index >= 0);
    FATAL_CHECK("ArrT::removeAt()" && index < this->myLen);
    T out(std::move(raw()[index]));
    remove(index, 1);
    return out;
  }

  void append(const T& value) {
    // `value` may live inside this array: copy it before the buffer moves.
    T copy(value);
    T* slot = insert(myLen, 1);
    *slot = std::move(copy);
  }
  void append(const T* items, int32_t count) {
    FATAL_CHECK("ArrT::append()" && count >= 0);
    if (count == 0) {
      this->_buffer();
      return;
    }
    if constexpr (std::is_trivially_copyable_v<T>) {
      if (items >= raw() && items < raw() + this->myCap && raw()) {
        ArrT copy(items, count);  // a run of this array's own elements
        append(copy.raw(), count);
        return;
      }
      int32_t at0 = myLen;
      this->_insert(myLen, count);
      std::memcpy(raw() + at0, items, sizeof(T) * count);
    } else {
      ArrT copy;
      for (int32_t i = 0; i < count; ++i) new (copy.insert(copy.myLen, 1)) T(items[i]);
      int32_t at0 = myLen;
      this->_insert(myLen, count);
      std::memcpy(static_cast<void*>(raw() + at0), static_cast<void*>(copy.raw()), sizeof(T) * count);
      copy.myLen = 0;  // relocated into this array, so not destroyed
    }
  }
  void append(const ArrT& other) { append(other.raw(), other.myLen); }

  void fill(const T& value, int32_t count) {
    clear();
    for (int32_t i = 0; i < count; ++i) append(value);
  }

  void clear() { this->isetSize(0); }

  bool operator==(const ArrT& other) const {
    if (myLen != other.myLen) return false;
    if (myLen == 0) return true;
    if constexpr (std::is_trivially_copyable_v<T>) {
      return std::memcmp(raw(), other.raw(), sizeof(T) * myLen) == 0;
    } else {
      for (int32_t i = 0; i < myLen; ++i)
        if (!(raw()[i] == other.raw()[i])) return false;
      return true;
    }
  }
  bool operator!=(const ArrT& other) const { return !(*this == other); }

  T* begin() { return myLen ? raw() : nullptr; }
  T* end() { return myLen ? raw() + myLen : nullptr; }
  const T* begin() const { return myLen ? raw() : nullptr; }
  const T* end() const { return myLen ? raw() + myLen : nullptr; }

  void swap(ArrT& other) { this->_swap(other); }
};

}  // namespace orv
