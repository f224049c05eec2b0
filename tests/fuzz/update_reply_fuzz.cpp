// libFuzzer target: arbitrary bytes as the update server's reply and as a DER
// signature. Nothing may crash, hang or read out of bounds; a parsed reply
// written out again parses to the same fields; a DER signature is accepted
// only in its one strict encoding, and every r and s from 1 to 2^256-1 has one.

#include <cstdint>
#include <cstring>
#include <string>

#include "app/UpdateProtocol.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace orv;
using fuzz::check;

namespace {

std::string hex(const uint8_t* p, size_t n) {
  static const char kDigits[] = "0123456789abcdef";
  std::string s;
  for (size_t i = 0; i < n; ++i) s += {kDigits[p[i] >> 4], kDigits[p[i] & 15]};
  return s;
}

// The strict DER of r then s (32 bytes each); empty when either is zero.
std::string derOf(const uint8_t raw[64]) {
  std::string body;
  for (int half = 0; half < 2; ++half) {
    const uint8_t* v = raw + 32 * half;
    size_t skip = 0;
    while (skip < 32 && v[skip] == 0) ++skip;
    if (skip == 32) return "";
    bool pad = v[skip] & 0x80;
    body += '\x02';
    body += static_cast<char>(32 - skip + pad);
    if (pad) body += '\0';
    body.append(reinterpret_cast<const char*>(v + skip), 32 - skip);
  }
  return std::string("\x30", 1) + static_cast<char>(body.size()) + body;
}

void reply(const uint8_t* data, size_t size) {
  UpdateReply r = parseUpdateReply(reinterpret_cast<const char*>(data), size);
  if (r.hasVersion) {
    check(!r.lastVersion.empty(), "a version is never empty");
    for (char c : r.lastVersion) check(c != '\n', "a version is one line");
  }
  for (char c : r.text) check(c != '|', "no bar left in the text");

  std::string again = "last_filesize:" + std::to_string(r.fileSize) + "\nlast_file_crc:" + std::to_string(r.fileCrc) + "\n";
  if (r.hasVersion) again += "last_version:" + std::string(r.lastVersion.data(), static_cast<size_t>(r.lastVersion.size())) + "\n";
  if (r.hasSha256) again += "last_file_sha256:" + hex(r.sha256, 32) + "\n";
  if (r.hasSignature) {
    std::string der = derOf(r.signature);
    again += "last_file_sig:" + hex(reinterpret_cast<const uint8_t*>(der.data()), der.size()) + "\n";
  }
  UpdateReply s = parseUpdateReply(again.data(), again.size());
  check(s.fileSize == r.fileSize && s.fileCrc == r.fileCrc, "size and CRC survive a second parse");
  check(s.hasVersion == r.hasVersion && s.lastVersion == r.lastVersion, "the version survives a second parse");
  check(s.hasSha256 == r.hasSha256 && std::memcmp(s.sha256, r.sha256, 32) == 0, "the hash survives a second parse");
  check(s.hasSignature == r.hasSignature && std::memcmp(s.signature, r.signature, 64) == 0, "the signature survives a second parse");
}

void signature(const uint8_t* data, size_t size) {
  uint8_t raw[64];
  if (derSignatureToRaw(data, size, raw)) {
    std::string der = derOf(raw);
    check(der.size() == size && std::memcmp(der.data(), data, size) == 0, "only the strict encoding is accepted");
  }
  if (size >= 64) {
    std::string der = derOf(data);
    uint8_t back[64];
    bool zero = der.empty();
    check(zero || derSignatureToRaw(reinterpret_cast<const uint8_t*>(der.data()), der.size(), back), "every strict encoding is accepted");
    check(zero || std::memcmp(back, data, 64) == 0, "the encoding gives back r and s");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  reply(data, size);
  signature(data, size);
  return 0;
}
