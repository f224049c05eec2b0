#pragma once
// What the program says to the update server and what it makes of the
// answer: the request text, the URLs, the reply's lines, the version rule
// and the checks a download must pass before it may replace the program.
// Plain logic; the network, the threads and the dialog are the Windows
// program's (app/win32/Updater*.cpp).

#include <cstddef>
#include <cstdint>

#include "core/Str.h"

namespace orv {

// The reply: "key:value" lines separated by line feeds (a carriage return
// before the line feed is dropped). Unknown keys are ignored; any bytes
// parse (a missing or malformed value leaves its field unset).
struct UpdateReply {
  bool hasVersion = false;
  Str8 lastVersion;       // "last_version"
  int32_t fileSize = 0;   // "last_filesize", decimal; 0 when missing
  int32_t fileCrc = 0;    // "last_file_crc", a signed 32-bit decimal
  bool hasText = false;
  Str8 text;              // "text", with every "|" turned into "\r\n"
  bool hasSha256 = false;
  uint8_t sha256[32] = {};  // "last_file_sha256", 64 hex digits
  bool hasSignature = false;
  uint8_t signature[64] = {};  // "last_file_sig": hex of a DER ECDSA signature, kept as r then s
};
UpdateReply parseUpdateReply(const char* data, size_t size);

// The body of the check: "version: 3.075\nbuildtime: <ctime text>".
Str8 updateRequestText(const char* version, int64_t buildTime);

// Whether the server's version is newer than the running one: compared as
// byte strings, so "3.1" is newer than "3.075".
bool isNewerVersion(const Str8& offered, const char* running);

// Where a request goes. HTTPS on port 443 unless the domain's host is a
// loopback host ("localhost", "127.x.x.x", "::1"), which keeps plain HTTP
// for testing; a port given in the domain ("localhost:8089") is used.
struct UpdateUrl {
  Str8 host;
  uint16_t port = 0;
  Str8 path;     // "/update/update.php"
  bool secure = false;
  Str8 text() const;  // "https://host:port/path" for logs
};
bool isLoopbackHost(const Str8& host);
UpdateUrl updateCheckUrl(const Str8& domain);
// The executable's file name (after the last "\" or "/") under "/update/".
UpdateUrl updateFileUrl(const Str8& domain, const Str8& exePath);

// The proxy header for "proxyAuthReq": "Proxy-Authorization: Basic "
// Base64("user:password") and CRLF; the credentials come from the settings only.
Str8 proxyAuthorizationHeader(const Str8& user, const Str8& password);

// The background check's next sleep after `wait` ms: doubled, but at least
// 60000 (also when doubling overflows).
uint32_t nextUpdateWait(uint32_t wait);

// A download is installed only when all of these hold: the size and CRC-32
// the reply announced, its SHA-256 equal to "last_file_sha256", and the
// signature of that SHA-256 made by the publisher's key.
enum class DownloadCheck {
  Ok,
  WrongSize,
  WrongCrc,
  NoHash,        // the reply has no "last_file_sha256"
  WrongHash,
  NoSignature,   // the reply has no usable "last_file_sig"
  BadSignature,
  CryptoFailed,  // the platform could not hash or verify
};
DownloadCheck checkDownload(const UpdateReply& reply, const uint8_t* data, size_t size,
                            const uint8_t publicKey[64]);
const char* downloadCheckText(DownloadCheck check);  // for the log

// A DER ECDSA signature (SEQUENCE of two INTEGERs) as r then s, 32 bytes
// each; false for anything else.
bool derSignatureToRaw(const uint8_t* der, size_t size, uint8_t raw[64]);

// The publisher's public key built into the program (X then Y).
extern const uint8_t kUpdatePublicKey[64];

}  // namespace orv
