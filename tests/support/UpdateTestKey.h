#pragma once
// A signature made once with openssl by a throw-away P-256 key (its private
// half was not kept):
//   openssl ecparam -name prime256v1 -genkey -noout -out k.pem
//   printf 'Orvanta update test' > msg
//   openssl dgst -sha256 -sign k.pem -out sig.der msg
// The tests check that the platform and the updater accept exactly this.

#include <cstdint>
#include <string_view>

namespace orv::testkey {

inline constexpr std::string_view kMessage = "Orvanta update test";
inline constexpr std::string_view kMessageSha256 = "488dcbe11e613557f8929a0fc57adea83c2ffde1ea44d138b35a81bd1b6e75f9";
// The public key's X then Y.
inline constexpr std::string_view kPublicKey =
    "d65f6c69ee7212a7f0f650041193940b0ff6221c5d623a447f37697e3ee31794"
    "d6396b1e965ed2e53f07fb85d151ad9afe14efe22df365dfdb767a155fcae320";
// The signature as openssl wrote it (DER) and as r then s.
inline constexpr std::string_view kSignatureDer =
    "3045022100961c1029747902764b8653910fed21b2a7cede3c0f6791121699ce420035067a"
    "02203eb31eaf90c2e19d78cc71895b813061af8f9bac45378a96e05c9d1272048143";
inline constexpr std::string_view kSignatureRaw =
    "961c1029747902764b8653910fed21b2a7cede3c0f6791121699ce420035067a"
    "3eb31eaf90c2e19d78cc71895b813061af8f9bac45378a96e05c9d1272048143";

}  // namespace orv::testkey
