#pragma once
// Hashing and signature checks for downloaded updates: the platform's own
// cryptography (BCrypt on Windows, the system's libcrypto in the simulated
// desktop), never our own.

#include <cstddef>
#include <cstdint>

namespace orv {

// SHA-256 of `size` bytes; false when the platform cannot compute it.
bool sha256(const void* data, size_t size, uint8_t digest[32]);

// Whether `signature` (r then s, 32 bytes each, big-endian) is a valid
// ECDSA P-256 signature of `digest` by the public key `publicKey` (the
// point's X then Y, 32 bytes each, big-endian). False for a bad signature
// and for any failure of the platform.
bool verifyP256(const uint8_t publicKey[64], const uint8_t digest[32], const uint8_t signature[64]);

}  // namespace orv
