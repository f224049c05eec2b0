#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "core/Base64.h"
#include "core/Crc32.h"

namespace orv {
namespace {

TEST(Crc32, StandardVectorsWholeAndInPieces) {
  for (auto [text, crc] : {std::pair{"", 0u},
                            {"a", 0xE8B7BE43u},
                            {"123456789", 0xCBF43926u},
                            {"The quick brown fox jumps over the lazy dog", 0x414FA339u}}) {
    size_t n = std::strlen(text);
    EXPECT_EQ(crc32(text, n), crc) << text;
    for (size_t cut = 0; cut <= n; ++cut)
      EXPECT_EQ(crc32(text + cut, n - cut, crc32(text, cut)), crc) << text << " cut at " << cut;
  }
}

TEST(Base64, Rfc4648Vectors) {
  const char* cases[][2] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
                            {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {"\xff\xfe\x3e", "//4+"}};
  for (auto& c : cases) EXPECT_EQ(view(base64Encode(c[0], std::strlen(c[0]))), c[1]) << c[0];
}

}  // namespace
}  // namespace orv
