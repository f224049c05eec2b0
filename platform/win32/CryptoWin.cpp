// Windows shell of the hashing and signature port: BCrypt (Windows 7 and later).

#include <windows.h>
#include <bcrypt.h>

#include <cstring>

#include "core/Trace.h"
#include "platform/Crypto.h"

namespace orv {

namespace {

// Not every MinGW header set has the NTSTATUS values of ntstatus.h.
constexpr NTSTATUS kStatusInvalidSignature = static_cast<NTSTATUS>(0xC000A000L);

bool succeeded(NTSTATUS status, const char* what) {
  if (status >= 0) return true;
  // A signature that does not match is an answer, not a failure of the platform.
  if (status != kStatusInvalidSignature) traceLine("crypto: %s failed, status 0x%08lX", what, static_cast<unsigned long>(status));
  return false;
}

class Algorithm {
 public:
  explicit Algorithm(const wchar_t* id) {
    if (!succeeded(BCryptOpenAlgorithmProvider(&myHandle, id, nullptr, 0), "BCryptOpenAlgorithmProvider")) myHandle = nullptr;
  }
  ~Algorithm() {
    if (myHandle) BCryptCloseAlgorithmProvider(myHandle, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE handle() const { return myHandle; }

 private:
  BCRYPT_ALG_HANDLE myHandle = nullptr;
};

}  // namespace

bool sha256(const void* data, size_t size, uint8_t digest[32]) {
  Algorithm alg(BCRYPT_SHA256_ALGORITHM);
  if (!alg.handle()) return false;
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!succeeded(BCryptCreateHash(alg.handle(), &hash, nullptr, 0, nullptr, 0, 0), "BCryptCreateHash")) return false;
  bool ok = true;
  auto* p = static_cast<uint8_t*>(const_cast<void*>(data));
  // BCryptHashData takes a ULONG length: feed larger inputs in pieces.
  while (ok && size > 0) {
    ULONG piece = size > 0x40000000u ? 0x40000000u : static_cast<ULONG>(size);
    ok = succeeded(BCryptHashData(hash, p, piece, 0), "BCryptHashData");
    p += piece;
    size -= piece;
  }
  ok = ok && succeeded(BCryptFinishHash(hash, digest, 32, 0), "BCryptFinishHash");
  BCryptDestroyHash(hash);
  return ok;
}

bool verifyP256(const uint8_t publicKey[64], const uint8_t digest[32], const uint8_t signature[64]) {
  Algorithm alg(BCRYPT_ECDSA_P256_ALGORITHM);
  if (!alg.handle()) return false;
  uint8_t blob[sizeof(BCRYPT_ECCKEY_BLOB) + 64];
  BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
  std::memcpy(blob, &header, sizeof header);
  std::memcpy(blob + sizeof header, publicKey, 64);
  BCRYPT_KEY_HANDLE key = nullptr;
  if (!succeeded(BCryptImportKeyPair(alg.handle(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &key, blob, sizeof blob, 0),
                 "BCryptImportKeyPair"))
    return false;
  uint8_t hash[32];
  uint8_t sig[64];
  std::memcpy(hash, digest, sizeof hash);
  std::memcpy(sig, signature, sizeof sig);
  bool ok = succeeded(BCryptVerifySignature(key, nullptr, hash, sizeof hash, sig, sizeof sig, 0), "BCryptVerifySignature");
  BCryptDestroyKey(key);
  return ok;
}

}  // namespace orv
