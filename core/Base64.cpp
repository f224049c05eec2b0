#include "core/Base64.h"

#include <cstdint>

namespace orv {

Str8 base64Encode(const void* data, size_t size) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const auto* p = static_cast<const uint8_t*>(data);
  Str8 out;
  for (size_t i = 0; i < size; i += 3) {
    size_t n = size - i < 3 ? size - i : 3;
    uint32_t group = uint32_t(p[i]) << 16;
    if (n > 1) group |= uint32_t(p[i + 1]) << 8;
    if (n > 2) group |= p[i + 2];
    char quad[4] = {kAlphabet[(group >> 18) & 63], kAlphabet[(group >> 12) & 63],
                    n > 1 ? kAlphabet[(group >> 6) & 63] : '=', n > 2 ? kAlphabet[group & 63] : '='};
    out.append(quad, 4);
  }
  return out;
}

}  // namespace orv
