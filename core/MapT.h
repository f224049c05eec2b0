#pragma once
// MapT<K,V>: an ArrT of PairT<K,V> in ascending key order (KeyOrder.h), at most
// one entry per key.

#include "core/ArrT.h"
#include "core/KeyOrder.h"
#include "core/PairT.h"

namespace orv {

template <typename K, typename V>
class MapT {
 public:
  using Entry = PairT<K, V>;

  bool find(const K& key, int32_t& index) const {
    return bisect(myItems, key, index, [](const Entry& e) -> const K& { return e.key; });
  }
  bool contains(const K& key) const {
    int32_t i;
    return find(key, i);
  }
  // Inserts at the insertion point when absent, else overwrites the value.
  void put(const K& key, const V& val) {
    int32_t i;
    if (find(key, i)) {
      myItems.at(i).val = val;
    } else {
      Entry* e = myItems.insert(i, 1);
      e->key = key;
      e->val = val;
    }
  }
  // The value, or null when absent. The pointer is valid until the next change.
  V* get(const K& key) {
    int32_t i;
    return find(key, i) ? &myItems.at(i).val : nullptr;
  }
  const V* get(const K& key) const { return const_cast<MapT*>(this)->get(key); }

  const K& keyAt(int32_t index) const {
    FATAL_CHECK("MapT::keyAt()" && index >= 0);
    FATAL_CHECK("MapT::keyAt()" && index < myItems.size());
    return myItems.at(index).key;
  }
  V& valAt(int32_t index) {
    FATAL_CHECK("MapT::valAt()" && index >= 0);
    FATAL_CHECK("MapT::valAt()" && index < myItems.size());
    return myItems.at(index).val;
  }
  const V& valAt(int32_t index) const { return const_cast<MapT*>(this)->valAt(index); }
  Entry removeAt(int32_t index) {
    FATAL_CHECK("MapT::removeAt()" && index >= 0);
    FATAL_CHECK("MapT::removeAt()" && index < myItems.size());
    return myItems.removeAt(index);
  }
  bool remove(const K& key) {
    int32_t i;
    if (!find(key, i)) return false;
    myItems.remove(i, 1);
    return true;
  }

  int32_t size() const { return myItems.size(); }
  bool empty() const { return myItems.size() == 0; }
  void clear() { myItems.clear(); }
  const ArrT<Entry>& items() const { return myItems; }

 private:
  ArrT<Entry> myItems;
};

}  // namespace orv
