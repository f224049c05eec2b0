#pragma once
// One node of a dictionary index (DubIndex): a 32-bit little-endian word
//   bits 0-7   ch     one letter (a byte of the dictionary's code page)
//   bits 8-30  size   nodes in the subtree rooted here, this node included
//   bit  31    isEnd  a stored word ends here
// followed, in the cased index only, by a 32-bit little-endian capital mask
// (bit i set: letter i of the word is a capital). Nodes are read and written
// byte by byte, so the layout is the same on every host.

#include <cstdint>

namespace orv {

constexpr int kPlainNodeWidth = 4;  // DubNode
constexpr int kCasedNodeWidth = 8;  // DubCaseNode
constexpr uint32_t kDubMaxSubtree = 0x7FFFFF;
constexpr uint32_t kDubEndBit = 0x80000000u;

inline uint32_t dubRead32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

inline void dubWrite32(unsigned char* p, uint32_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
  p[2] = static_cast<unsigned char>(v >> 16);
  p[3] = static_cast<unsigned char>(v >> 24);
}

inline unsigned char dubCh(uint32_t node) { return static_cast<unsigned char>(node & 0xFF); }
inline uint32_t dubSize(uint32_t node) { return (node >> 8) & kDubMaxSubtree; }
inline bool dubIsEnd(uint32_t node) { return (node & kDubEndBit) != 0; }
inline uint32_t dubMake(unsigned char ch, uint32_t size, bool isEnd) {
  return ch | ((size & kDubMaxSubtree) << 8) | (isEnd ? kDubEndBit : 0);
}

}  // namespace orv
