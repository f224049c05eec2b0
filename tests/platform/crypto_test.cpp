// Run on both builds: natively against the system's libcrypto, under Wine
// against Wine's BCrypt. Both must accept the one good signature and refuse
// every changed bit.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/Crypto.h"
#include "support/UpdateTestKey.h"

namespace orv {
namespace {

template <size_t N>
void fromHex(std::string_view hex, uint8_t (&out)[N]) {
  ASSERT_EQ(hex.size(), 2 * N);
  for (size_t i = 0; i < N; ++i) out[i] = static_cast<uint8_t>(std::stoi(std::string(hex.substr(2 * i, 2)), nullptr, 16));
}

TEST(CryptoPort, Sha256Vectors) {
  std::string million(1000000, 'a');
  const std::pair<std::string_view, const char*> cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      {testkey::kMessage, testkey::kMessageSha256.data()},
  };
  for (auto [data, expected] : cases) {
    uint8_t digest[32], want[32];
    fromHex(expected, want);
    ASSERT_TRUE(sha256(data.data(), data.size(), digest));
    EXPECT_EQ(std::string(digest, digest + 32), std::string(want, want + 32)) << data.substr(0, 20);
  }
}

TEST(CryptoPort, VerifiesTheGoodSignatureAndRefusesAnyFlippedBit) {
  uint8_t key[64], digest[32], sig[64];
  fromHex(testkey::kPublicKey, key);
  fromHex(testkey::kMessageSha256, digest);
  fromHex(testkey::kSignatureRaw, sig);
  ASSERT_TRUE(verifyP256(key, digest, sig));

  for (auto [what, bytes, size] : {std::tuple{"digest", digest, sizeof digest}, {"signature", sig, sizeof sig},
                                   {"key", key, sizeof key}}) {
    for (size_t at : {size_t(0), size / 2 - 1, size / 2, size - 1}) {
      for (uint8_t bit : {uint8_t(0x01), uint8_t(0x80)}) {
        bytes[at] ^= bit;
        EXPECT_FALSE(verifyP256(key, digest, sig)) << what << " byte " << at << " bit " << int(bit);
        bytes[at] ^= bit;
      }
    }
  }
}

}  // namespace
}  // namespace orv
