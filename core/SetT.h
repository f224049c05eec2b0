#pragma once
// SetT<T>: an ArrT<T> in ascending order (KeyOrder.h) without duplicates.

#include "core/ArrT.h"
#include "core/KeyOrder.h"

namespace orv {

template <typename T>
class SetT {
 public:
  bool find(const T& value, int32_t& index) const {
    return bisect(myItems, value, index, [](const T& e) -> const T& { return e; });
  }
  // Inserts at the insertion point when absent; returns true when added.
  bool add(const T& value) {
    int32_t i;
    if (find(value, i)) return false;
    myItems.insertAt(i, value);
    return true;
  }
  bool contains(const T& value) const {
    int32_t i;
    return find(value, i);
  }
  const T& at(int32_t index) const {
    FATAL_CHECK("SetT::at()" && index >= 0);
    FATAL_CHECK("SetT::at()" && index < myItems.size());
    return myItems.at(index);
  }
  T removeAt(int32_t index) {
    FATAL_CHECK("SetT::removeAt()" && index >= 0);
    FATAL_CHECK("SetT::removeAt()" && index < myItems.size());
    return myItems.removeAt(index);
  }
  int32_t size() const { return myItems.size(); }
  bool empty() const { return myItems.size() == 0; }
  void clear() { myItems.clear(); }
  const ArrT<T>& items() const { return myItems; }

 private:
  ArrT<T> myItems;
};

}  // namespace orv
