#pragma once
// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320, initial value
// and final complement 0xFFFFFFFF); the CRC of no bytes is 0. Feed a stream
// in pieces by passing the previous result as `crc`.

#include <cstddef>
#include <cstdint>

namespace orv {

uint32_t crc32(const void* data, size_t size, uint32_t crc = 0);

}  // namespace orv
