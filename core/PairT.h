#pragma once
namespace orv {
template <typename K, typename V>
struct PairT {
  K key;
  V val;
  bool operator==(const PairT& o) const { return key == o.key && val == o.val; }
};
}  // namespace orv
