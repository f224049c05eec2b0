#pragma once
// One HTTP session of the updater over wininet, with the proxy settings of
// the [updater] section. Requests go over TLS whenever the URL says so
// (every host but a loopback one); progress goes to a progress bar by
// posted messages, so any thread may use a session.

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <vector>

#include "app/UpdateProtocol.h"

namespace orv::win {

class DInternet {
 public:
  // `progress`: a progress bar (range 0 to 1000) or null; `cancel`: when it
  // becomes non-zero, a transfer stops and fails.
  explicit DInternet(HWND progress = nullptr, volatile LONG* cancel = nullptr);
  ~DInternet();
  DInternet(const DInternet&) = delete;
  DInternet& operator=(const DInternet&) = delete;

  // Logs whether the host answers at all (nothing depends on it).
  void logConnection(const UpdateUrl& url);
  // The body of a GET; false on any failure or a status other than 200.
  // `expectedSize` scales the progress when the server sends no length.
  bool getUrl(const UpdateUrl& url, std::vector<uint8_t>& out, uint32_t expectedSize = 0);
  // The reply to a POST of `body`.
  bool postRawData(const UpdateUrl& url, const Str8& body, std::vector<uint8_t>& out);

 private:
  bool request(const char* verb, const UpdateUrl& url, const Str8* body, std::vector<uint8_t>& out,
               uint32_t expectedSize);
  void progress(uint64_t done, uint64_t total);

  HINTERNET mySession = nullptr;
  HWND myProgress;
  volatile LONG* myCancel;
  int myLastPos = -1;
};

}  // namespace orv::win
