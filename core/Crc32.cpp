#include "core/Crc32.h"

namespace orv {

namespace {

struct Crc32Table {
  uint32_t entry[256];
  constexpr Crc32Table() : entry() {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entry[i] = c;
    }
  }
};

constexpr Crc32Table kTable;

}  // namespace

uint32_t crc32(const void* data, size_t size, uint32_t crc) {
  const auto* p = static_cast<const uint8_t*>(data);
  // The complement at both ends lets a caller chain pieces with the previous result.
  uint32_t c = ~crc;
  for (size_t i = 0; i < size; ++i) c = kTable.entry[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return ~c;
}

}  // namespace orv
