// The updater's HTTP requests over wininet.

#include "app/win32/DInternet.h"

#include <commctrl.h>

#include <string>

#include "app/Settings.h"
#include "app/win32/Program.h"

namespace orv::win {

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kChunk = 1024;

std::string narrow(const Str8& s) { return std::string(view(s)); }

// Proxy settings are typed as text; wininet's narrow calls take them in the
// ANSI code page, as the user typed them.
std::string ansi(const Str16& s) {
  std::wstring w(reinterpret_cast<const wchar_t*>(s.data()), static_cast<size_t>(s.size()));
  int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(n > 0 ? n - 1 : 0);
  return out;
}

struct Handle {
  HINTERNET h;
  ~Handle() {
    if (h) InternetCloseHandle(h);
  }
};

}  // namespace

DInternet::DInternet(HWND progressBar, volatile LONG* cancel) : myProgress(progressBar), myCancel(cancel) {
  std::string agent = std::string("Orvanta ") + g_program.version;
  DWORD access = INTERNET_OPEN_TYPE_PRECONFIG;
  std::string proxy;
  switch (cfgUpdaterProxyType.get()) {
    case 0:
      access = INTERNET_OPEN_TYPE_DIRECT;
      break;
    case 2:
      access = INTERNET_OPEN_TYPE_PROXY;
      proxy = ansi(cfgUpdaterProxy.get());
      break;
    default:
      break;
  }
  mySession = InternetOpenA(agent.c_str(), access, proxy.empty() ? nullptr : proxy.c_str(), nullptr, 0);
  if (!mySession) {
    trace("updater: InternetOpen failed (%lu)\n", GetLastError());
    return;
  }
  DWORD timeout = kTimeoutMs;
  InternetSetOptionA(mySession, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionA(mySession, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionA(mySession, INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);
}

DInternet::~DInternet() {
  if (mySession) InternetCloseHandle(mySession);
}

void DInternet::logConnection(const UpdateUrl& url) {
  std::string text = narrow(url.text());
  std::wstring wide(text.begin(), text.end());
  BOOL up = InternetCheckConnectionW(wide.c_str(), FLAG_ICC_FORCE_CONNECTION, 0);
  trace(up ? "!!!! YES INTERNET CONNECTION\n" : "!!!! NO INTERNET CONNECTION\n");
}

bool DInternet::getUrl(const UpdateUrl& url, std::vector<uint8_t>& out, uint32_t expectedSize) {
  return request("GET", url, nullptr, out, expectedSize);
}

bool DInternet::postRawData(const UpdateUrl& url, const Str8& body, std::vector<uint8_t>& out) {
  return request("POST", url, &body, out, 0);
}

void DInternet::progress(uint64_t done, uint64_t total) {
  if (!myProgress || !total) return;
  int pos = static_cast<int>(done >= total ? 1000 : done * 1000 / total);
  if (pos == myLastPos) return;
  if (myLastPos < 0) PostMessageW(myProgress, PBM_SETRANGE, 0, MAKELPARAM(0, 1000));
  myLastPos = pos;
  PostMessageW(myProgress, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
}

bool DInternet::request(const char* verb, const UpdateUrl& url, const Str8* body, std::vector<uint8_t>& out,
                        uint32_t expectedSize) {
  out.clear();
  myLastPos = -1;
  if (!mySession) return false;
  const std::string host = narrow(url.host);
  const std::string path = narrow(url.path);
  Handle connection{InternetConnectA(mySession, host.c_str(), url.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)};
  if (!connection.h) {
    trace("updater: cannot connect to %s (%lu)\n", host.c_str(), GetLastError());
    return false;
  }
  // Certificate errors are never ignored: a download that cannot prove
  // where it comes from is not taken.
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
  if (url.secure) flags |= INTERNET_FLAG_SECURE;
  const char* accept[] = {"text/plain", "text/html", "application/octet-stream", "*/*", nullptr};
  Handle req{HttpOpenRequestA(connection.h, verb, path.c_str(), nullptr, nullptr, accept, flags, 0)};
  if (!req.h) {
    trace("updater: cannot open %s %s (%lu)\n", verb, path.c_str(), GetLastError());
    return false;
  }
  // The proxy's credentials go only to a proxy: never with a direct
  // connection. Over HTTPS the request's own headers travel inside the
  // tunnel to the update server, so there wininet answers the proxy's
  // challenge from the credentials set on the request instead.
  std::string headers;
  const bool viaProxy = cfgUpdaterProxyType.get() != 0;
  if (viaProxy && cfgUpdaterProxyAuthReq.get()) {
    const std::string user = ansi(cfgUpdaterProxyUsername.get());
    const std::string password = ansi(cfgUpdaterProxyPassword.get());
    InternetSetOptionA(req.h, INTERNET_OPTION_PROXY_USERNAME, const_cast<char*>(user.c_str()),
                       static_cast<DWORD>(user.size()));
    InternetSetOptionA(req.h, INTERNET_OPTION_PROXY_PASSWORD, const_cast<char*>(password.c_str()),
                       static_cast<DWORD>(password.size()));
    if (!url.secure) headers += narrow(proxyAuthorizationHeader(str8(user), str8(password)));
  }
  if (body) headers += "Content-Type: text/plain\r\n";
  std::string data = body ? narrow(*body) : std::string();
  BOOL sent = HttpSendRequestA(req.h, headers.empty() ? nullptr : headers.c_str(), static_cast<DWORD>(headers.size()),
                               body ? data.data() : nullptr, static_cast<DWORD>(data.size()));
  if (!sent) {
    trace("updater: %s %s failed (%lu)\n", verb, narrow(url.text()).c_str(), GetLastError());
    return false;
  }
  DWORD status = 0, size = sizeof status;
  HttpQueryInfoA(req.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
  if (status != 200) {
    trace("updater: %s %s answered %lu\n", verb, narrow(url.text()).c_str(), status);
    return false;
  }
  DWORD length = 0;
  size = sizeof length;
  if (!HttpQueryInfoA(req.h, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr))
    length = expectedSize;
  uint8_t chunk[kChunk];
  for (;;) {
    if (myCancel && *myCancel) {
      trace("updater: %s %s cancelled\n", verb, narrow(url.text()).c_str());
      out.clear();
      return false;
    }
    DWORD got = 0;
    if (!InternetReadFile(req.h, chunk, kChunk, &got)) {
      trace("updater: reading %s failed (%lu)\n", narrow(url.text()).c_str(), GetLastError());
      out.clear();
      return false;
    }
    if (got == 0) break;
    out.insert(out.end(), chunk, chunk + got);
    progress(out.size(), length);
  }
  progress(1, 1);
  return true;
}

}  // namespace orv::win
