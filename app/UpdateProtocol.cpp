#include "app/UpdateProtocol.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>

#include "core/Base64.h"
#include "core/Crc32.h"
#include "platform/Crypto.h"

namespace orv {

namespace {

using std::string_view;

string_view trimmed(string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

void appendView(Str8& out, string_view s) {
  if (s.size() <= static_cast<size_t>(INT32_MAX - out.size())) appendText(out, s);
}

// Optional sign and decimal digits, nothing else, within [lo, hi].
bool parseDecimal(string_view s, int64_t lo, int64_t hi, int64_t& value) {
  bool negative = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (s.empty()) return false;
  int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > hi - lo + 1) return false;  // past any bound, and far from overflow
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return false;
  value = v;
  return true;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Exactly 2 * `size` hex digits into `out`.
bool parseHex(string_view s, uint8_t* out, size_t size) {
  if (s.size() != 2 * size) return false;
  for (size_t i = 0; i < size; ++i) {
    int hi = hexDigit(s[2 * i]);
    int lo = hexDigit(s[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    out[i] = static_cast<uint8_t>(hi << 4 | lo);
  }
  return true;
}

void applyReplyLine(UpdateReply& reply, string_view key, string_view value) {
  int64_t number = 0;
  if (key == "last_version") {
    if (value.empty()) return;
    reply.lastVersion.clear();
    appendView(reply.lastVersion, value);
    reply.hasVersion = true;
  } else if (key == "last_filesize") {
    if (parseDecimal(value, INT32_MIN, INT32_MAX, number)) reply.fileSize = static_cast<int32_t>(number);
  } else if (key == "last_file_crc") {
    // Signed as the protocol has it; the unsigned spelling of the same CRC is taken too.
    if (parseDecimal(value, INT32_MIN, UINT32_MAX, number))
      reply.fileCrc = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(number)));
  } else if (key == "text") {
    reply.text.clear();
    for (char c : value) {
      if (c == '|')
        appendText(reply.text, "\r\n");
      else if (c != '\0')  // the text goes into window titles and labels as a C string
        reply.text.append(c);
    }
    reply.hasText = !reply.text.empty();
  } else if (key == "last_file_sha256") {
    reply.hasSha256 = parseHex(value, reply.sha256, sizeof reply.sha256);
  } else if (key == "last_file_sig") {
    // A DER signature of P-256 takes at most 72 bytes.
    uint8_t der[72];
    size_t size = value.size() / 2;
    reply.hasSignature = value.size() % 2 == 0 && size <= sizeof der && parseHex(value, der, size) &&
                         derSignatureToRaw(der, size, reply.signature);
  }
}

// One positive INTEGER of DER at `p` (tag, short length, minimal big-endian
// contents) into 32 bytes; advances `p`.
bool derInteger(const uint8_t*& p, const uint8_t* end, uint8_t out[32]) {
  if (end - p < 2 || p[0] != 0x02 || (p[1] & 0x80)) return false;
  size_t len = p[1];
  p += 2;
  if (len == 0 || len > static_cast<size_t>(end - p)) return false;
  const uint8_t* v = p;
  p += len;
  if (v[0] & 0x80) return false;  // negative
  if (v[0] == 0) {
    // A leading zero only ahead of a byte whose top bit is set, and never zero itself.
    if (len == 1 || !(v[1] & 0x80)) return false;
    ++v;
    --len;
  }
  if (len > 32) return false;
  std::memset(out, 0, 32);
  std::memcpy(out + 32 - len, v, len);
  return true;
}

bool isIpv4Loopback(string_view host) {
  int parts = 0;
  int64_t first = -1;
  while (true) {
    size_t dot = host.find('.');
    string_view part = host.substr(0, dot);
    int64_t value = 0;
    if (part.empty() || part.size() > 3 || part[0] == '+' || part[0] == '-' || !parseDecimal(part, 0, 255, value)) return false;
    if (parts == 0) first = value;
    ++parts;
    if (dot == string_view::npos) break;
    host.remove_prefix(dot + 1);
  }
  return parts == 4 && first == 127;
}

bool equalsAsciiNoCase(string_view a, string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

UpdateUrl urlUnder(const Str8& domain, string_view file) {
  string_view d = trimmed(view(domain));
  // A scheme typed into the setting decides nothing: the host does.
  for (string_view scheme : {string_view("https://"), string_view("http://")})
    if (d.size() >= scheme.size() && equalsAsciiNoCase(d.substr(0, scheme.size()), scheme)) d.remove_prefix(scheme.size());
  size_t slash = d.find('/');
  string_view authority = d.substr(0, slash);
  string_view prefix = slash == string_view::npos ? string_view() : d.substr(slash);
  while (!prefix.empty() && prefix.back() == '/') prefix.remove_suffix(1);

  string_view host = authority;
  string_view port;
  if (!authority.empty() && authority.front() == '[') {
    size_t close = authority.find(']');
    if (close != string_view::npos) {
      host = authority.substr(1, close - 1);
      string_view rest = authority.substr(close + 1);
      if (!rest.empty() && rest.front() == ':') port = rest.substr(1);
    }
  } else {
    size_t colon = authority.find(':');
    // More than one colon: an IPv6 address without brackets, so no port.
    if (colon != string_view::npos && authority.find(':', colon + 1) == string_view::npos) {
      host = authority.substr(0, colon);
      port = authority.substr(colon + 1);
    }
  }

  UpdateUrl url;
  appendView(url.host, host);
  url.secure = !isLoopbackHost(url.host);
  int64_t number = 0;
  url.port = !port.empty() && port[0] != '+' && port[0] != '-' && parseDecimal(port, 1, 65535, number)
                 ? static_cast<uint16_t>(number)
                 : static_cast<uint16_t>(url.secure ? 443 : 80);
  appendView(url.path, prefix);
  appendText(url.path, "/update/");
  appendView(url.path, file);
  return url;
}

}  // namespace

UpdateReply parseUpdateReply(const char* data, size_t size) {
  UpdateReply reply;
  string_view rest(data ? data : "", data ? size : 0);
  while (!rest.empty()) {
    size_t lf = rest.find('\n');
    string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == string_view::npos ? rest.size() : lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    size_t colon = line.find(':');
    if (colon == string_view::npos) continue;
    applyReplyLine(reply, trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1)));
  }
  return reply;
}

Str8 updateRequestText(const char* version, int64_t buildTime) {
  // ctime's layout, made here because ctime's static buffer is shared by every thread.
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  time_t t = static_cast<time_t>(buildTime);
  struct tm local {};
#ifdef _WIN32
  bool haveTime = localtime_s(&local, &t) == 0;
#else
  bool haveTime = localtime_r(&t, &local) != nullptr;
#endif
  char when[64] = "";
  if (haveTime && local.tm_wday >= 0 && local.tm_wday < 7 && local.tm_mon >= 0 && local.tm_mon < 12)
    std::snprintf(when, sizeof when, "%s %s %2d %02d:%02d:%02d %d\n", kDays[local.tm_wday], kMonths[local.tm_mon], local.tm_mday,
                  local.tm_hour, local.tm_min, local.tm_sec, local.tm_year + 1900);
  Str8 out = str8("version: ");
  appendText(out, version ? version : "");
  appendText(out, "\nbuildtime: ");
  appendText(out, when);
  return out;
}

bool isNewerVersion(const Str8& offered, const char* running) {
  return std::strcmp(offered.data(), running ? running : "") > 0;
}

Str8 UpdateUrl::text() const {
  Str8 out = str8(secure ? "https://" : "http://");
  bool ipv6 = view(host).find(':') != string_view::npos;
  if (ipv6) out.append('[');
  out.append(host);
  if (ipv6) out.append(']');
  char portText[8];
  std::snprintf(portText, sizeof portText, ":%u", static_cast<unsigned>(port));
  appendText(out, portText);
  out.append(path);
  return out;
}

bool isLoopbackHost(const Str8& host) {
  string_view h = view(host);
  if (!h.empty() && h.back() == '.') h.remove_suffix(1);  // the fully qualified spelling
  return equalsAsciiNoCase(h, "localhost") || h == "::1" || h == "[::1]" || isIpv4Loopback(h);
}

UpdateUrl updateCheckUrl(const Str8& domain) { return urlUnder(domain, "update.php"); }

UpdateUrl updateFileUrl(const Str8& domain, const Str8& exePath) {
  string_view path = view(exePath);
  size_t cut = path.find_last_of("\\/");
  return urlUnder(domain, cut == string_view::npos ? path : path.substr(cut + 1));
}

Str8 proxyAuthorizationHeader(const Str8& user, const Str8& password) {
  Str8 credentials = user;
  credentials.append(':');
  credentials.append(password);
  Str8 out = str8("Proxy-Authorization: Basic ");
  out.append(base64Encode(credentials.data(), static_cast<size_t>(credentials.size())));
  appendText(out, "\r\n");
  return out;
}

uint32_t nextUpdateWait(uint32_t wait) {
  uint64_t doubled = uint64_t(wait) * 2;
  return doubled < 60000 || doubled > INT32_MAX ? 60000 : static_cast<uint32_t>(doubled);
}

DownloadCheck checkDownload(const UpdateReply& reply, const uint8_t* data, size_t size, const uint8_t publicKey[64]) {
  if (reply.fileSize < 0 || static_cast<size_t>(reply.fileSize) != size) return DownloadCheck::WrongSize;
  if (static_cast<int32_t>(crc32(data, size)) != reply.fileCrc) return DownloadCheck::WrongCrc;
  if (!reply.hasSha256) return DownloadCheck::NoHash;
  uint8_t digest[32];
  if (!sha256(data, size, digest)) return DownloadCheck::CryptoFailed;
  if (std::memcmp(digest, reply.sha256, sizeof digest) != 0) return DownloadCheck::WrongHash;
  if (!reply.hasSignature) return DownloadCheck::NoSignature;
  if (!verifyP256(publicKey, digest, reply.signature)) return DownloadCheck::BadSignature;
  return DownloadCheck::Ok;
}

const char* downloadCheckText(DownloadCheck check) {
  switch (check) {
    case DownloadCheck::Ok: return "ok";
    case DownloadCheck::WrongSize: return "the size differs from last_filesize";
    case DownloadCheck::WrongCrc: return "the CRC-32 differs from last_file_crc";
    case DownloadCheck::NoHash: return "the reply has no last_file_sha256";
    case DownloadCheck::WrongHash: return "the SHA-256 differs from last_file_sha256";
    case DownloadCheck::NoSignature: return "the reply has no usable last_file_sig";
    case DownloadCheck::BadSignature: return "the signature is not the publisher's";
    case DownloadCheck::CryptoFailed: return "the system could not compute the SHA-256";
  }
  return "unknown";
}

bool derSignatureToRaw(const uint8_t* der, size_t size, uint8_t raw[64]) {
  // SEQUENCE { INTEGER r, INTEGER s }, short length form (P-256 needs at most 70 bytes inside).
  if (!der || size < 2 || der[0] != 0x30 || (der[1] & 0x80) || der[1] != size - 2) return false;
  const uint8_t* p = der + 2;
  const uint8_t* end = der + size;
  uint8_t r[32];
  uint8_t s[32];
  if (!derInteger(p, end, r) || !derInteger(p, end, s) || p != end) return false;
  std::memcpy(raw, r, 32);
  std::memcpy(raw + 32, s, 32);
  return true;
}

}  // namespace orv
