// Simulated desktop's shell of the hashing and signature port: the system's
// libcrypto (OpenSSL), so that the native tests check real signatures.

#include <openssl/bn.h>
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <cstring>

#include "platform/Crypto.h"

namespace orv {

bool sha256(const void* data, size_t size, uint8_t digest[32]) {
  unsigned int len = 0;
  return EVP_Digest(data, size, digest, &len, EVP_sha256(), nullptr) == 1 && len == 32;
}

bool verifyP256(const uint8_t publicKey[64], const uint8_t digest[32], const uint8_t signature[64]) {
  // The key as a P-256 SubjectPublicKeyInfo: a fixed prefix, then the uncompressed point.
  static const uint8_t kSpkiPrefix[27] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01, 0x06,
                                          0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00, 0x04};
  uint8_t spki[sizeof kSpkiPrefix + 64];
  std::memcpy(spki, kSpkiPrefix, sizeof kSpkiPrefix);
  std::memcpy(spki + sizeof kSpkiPrefix, publicKey, 64);
  const unsigned char* in = spki;
  EVP_PKEY* key = d2i_PUBKEY(nullptr, &in, sizeof spki);
  if (!key) return false;

  bool ok = false;
  unsigned char* der = nullptr;
  int derLen = 0;
  ECDSA_SIG* sig = ECDSA_SIG_new();
  BIGNUM* r = BN_bin2bn(signature, 32, nullptr);
  BIGNUM* s = BN_bin2bn(signature + 32, 32, nullptr);
  if (sig && r && s && ECDSA_SIG_set0(sig, r, s) == 1) {
    r = s = nullptr;  // owned by sig now
    derLen = i2d_ECDSA_SIG(sig, &der);
  }
  EVP_PKEY_CTX* ctx = derLen > 0 ? EVP_PKEY_CTX_new(key, nullptr) : nullptr;
  if (ctx && EVP_PKEY_verify_init(ctx) == 1)
    ok = EVP_PKEY_verify(ctx, der, static_cast<size_t>(derLen), digest, 32) == 1;
  EVP_PKEY_CTX_free(ctx);
  OPENSSL_free(der);
  BN_free(r);
  BN_free(s);
  ECDSA_SIG_free(sig);
  EVP_PKEY_free(key);
  return ok;
}

}  // namespace orv
