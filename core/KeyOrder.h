#pragma once
// The one ordering of MapT and SetT keys:
//  - 8-bit strings: unsigned bytes of the common length, then the shorter first;
//  - 16-bit strings: the UTF-16LE bytes in memory order (low byte of each code
//    unit before its high byte, so U+0410 sorts before U+0041), then the
//    shorter first. Stored files and menus rely on this order;
//  - numbers, handles and pointers: by value.

#include <cstdint>

#include "core/ArrT.h"

namespace orv {

inline int compareKeys(const ArrT<char>& a, const ArrT<char>& b) {
  int32_t n = a.size() < b.size() ? a.size() : b.size();
  const unsigned char* pa = reinterpret_cast<const unsigned char*>(a.data());
  const unsigned char* pb = reinterpret_cast<const unsigned char*>(b.data());
  for (int32_t i = 0; i < n; ++i)
    if (pa[i] != pb[i]) return pa[i] < pb[i] ? -1 : 1;
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

inline int compareKeys(const ArrT<char16_t>& a, const ArrT<char16_t>& b) {
  int32_t n = a.size() < b.size() ? a.size() : b.size();
  const char16_t* pa = a.data();
  const char16_t* pb = b.data();
  for (int32_t i = 0; i < n; ++i) {
    if (pa[i] == pb[i]) continue;
    unsigned la = pa[i] & 0xFF, lb = pb[i] & 0xFF;
    if (la != lb) return la < lb ? -1 : 1;
    return (pa[i] >> 8) < (pb[i] >> 8) ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

template <typename T>
inline int compareKeys(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Bisection over a sorted run. Returns true and the index when found; else
// false and the insertion point. Written out as the stored orders expect.
template <typename Arr, typename Key, typename KeyOf>
bool bisect(const Arr& arr, const Key& key, int32_t& index, KeyOf keyOf) {
  int32_t lo = 0, hi = arr.size() - 1, mid = 0;
  while (lo <= hi) {
    mid = (lo + hi) / 2;
    int c = compareKeys(keyOf(arr.at(mid)), key);
    if (c < 0) {
      lo = mid + 1;
    } else if (c > 0) {
      hi = mid - 1;
    } else {
      index = mid;
      return true;
    }
  }
  if (arr.size() == 0) {
    index = 0;
    return false;
  }
  if (mid < 0) mid = 0;
  if (mid > arr.size() - 1) mid = arr.size() - 1;
  index = compareKeys(keyOf(arr.at(mid)), key) < 0 ? mid + 1 : mid;
  return false;
}

}  // namespace orv
