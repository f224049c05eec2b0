#pragma once
// A 64-bit FNV-1a hash of a text's code units. Loading a full history checks
// every entry against all before it; comparing hashes first keeps that cheap
// when many long entries share a beginning.

#include <cstdint>

#include "core/Str.h"

namespace orv {

inline uint64_t textHash(const Str16& text) {
  uint64_t h = 14695981039346656037ull;
  for (char16_t c : text) {
    h = (h ^ (c & 0xFF)) * 1099511628211ull;
    h = (h ^ (c >> 8)) * 1099511628211ull;
  }
  return h;
}

// Index of `text` in `list`, whose hashes are `hashes` (same order), or -1.
inline int32_t findByHash(const ArrT<Str16>& list, const ArrT<uint64_t>& hashes, const Str16& text, uint64_t hash) {
  for (int32_t i = 0; i < hashes.size(); ++i)
    if (hashes[i] == hash && list[i] == text) return i;
  return -1;
}

}  // namespace orv
