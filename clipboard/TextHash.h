#pragma once
// A 64-bit hash of a text's code units. Loading a full history checks every
// entry against all before it; comparing hashes first keeps that cheap when
// many long entries share a beginning. Four code units are mixed at a time
// (a multiply per unit would cost as much as the rest of the load).

#include <cstdint>
#include <cstring>

#include "core/Str.h"

namespace orv {

inline uint64_t textHash(const Str16& text) {
  constexpr uint64_t kPrime = 0x9E3779B97F4A7C15ull;
  uint64_t h = static_cast<uint64_t>(text.size()) * kPrime;
  const char16_t* p = text.data();
  int32_t n = text.size(), i = 0;
  for (; i + 4 <= n; i += 4) {
    uint64_t w;
    std::memcpy(&w, p + i, sizeof w);
    h = (h ^ w) * kPrime;
    h ^= h >> 29;
  }
  for (; i < n; ++i) h = (h ^ p[i]) * kPrime;
  return h ^ (h >> 32);
}

// Index of `text` in `list`, whose hashes are `hashes` (same order), or -1.
inline int32_t findByHash(const ArrT<Str16>& list, const ArrT<uint64_t>& hashes, const Str16& text, uint64_t hash) {
  for (int32_t i = 0; i < hashes.size(); ++i)
    if (hashes[i] == hash && list[i] == text) return i;
  return -1;
}

}  // namespace orv
