// The session's two network jobs, each on a thread of its own: the check
// (the server's newest version, shown in the dialog) and the download
// (fetched and checked, then handed to the dialog to install).

#include <string>

#include "app/LocalStr.h"
#include "app/Settings.h"
#include "app/win32/DInternet.h"
#include "app/win32/Program.h"
#include "app/win32/Updater.h"
#include "core/Crc32.h"

namespace orv::win {

namespace {

std::wstring widen(const Str8& s) {
  std::string u(view(s));
  int n = MultiByteToWideChar(CP_UTF8, 0, u.data(), static_cast<int>(u.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, u.data(), static_cast<int>(u.size()), w.data(), n);
  return w;
}

class CheckUpdateThread : public MyThread {
 public:
  explicit CheckUpdateThread(UpdateDialog* dialog) : myDialog(dialog) { myDialog->addRef(); }
  ~CheckUpdateThread() override { myDialog->release(); }

 protected:
  void work() override {
    const Str8 domain = str8(utf16ToUtf8(cfgUpdaterDomain.get()));
    const UpdateUrl url = updateCheckUrl(domain);
    DInternet net(myDialog->progressBar(), myDialog->cancelFlag());
    net.logConnection(url);
    std::vector<uint8_t> answer;
    const bool got = net.postRawData(url, updateRequestText(g_program.version, kBuildTime), answer);
    if (myDialog->cancelled()) return;
    const UpdateReply reply = parseUpdateReply(reinterpret_cast<const char*>(answer.data()), answer.size());
    trace("update check %s: %s, %lu bytes, last_version %s\n", std::string(view(url.text())).c_str(),
          got ? "answered" : "no answer", static_cast<unsigned long>(answer.size()),
          reply.hasVersion ? std::string(view(reply.lastVersion)).c_str() : "missing");
    if (!reply.hasVersion) {
      myDialog->showLatest(wide(lstr("updater_not_connested")));
      myDialog->showStatus(wide(lstr("updater_must_connect")));
      return;
    }
    myDialog->showLatest(L"v" + widen(reply.lastVersion));
    if (isNewerVersion(reply.lastVersion, g_program.version)) {
      myDialog->showStatus(reply.hasText ? widen(reply.text) : wide(lstr("updater_update_avalible")));
      myDialog->updateFound(reply);
    } else {
      myDialog->showStatus(wide(lstr("updater_already_updated")));
    }
  }

 private:
  UpdateDialog* myDialog;
};

class UpdateThread : public MyThread {
 public:
  explicit UpdateThread(UpdateDialog* dialog) : myDialog(dialog) { myDialog->addRef(); }
  ~UpdateThread() override { myDialog->release(); }

 protected:
  void work() override {
    const UpdateReply reply = myDialog->reply();
    const Str8 domain = str8(utf16ToUtf8(cfgUpdaterDomain.get()));
    const UpdateUrl url = updateFileUrl(domain, str8(utf16ToUtf8(str16(
                                                    reinterpret_cast<const char16_t*>(g_program.exePath)))));
    DInternet net(myDialog->progressBar(), myDialog->cancelFlag());
    std::vector<uint8_t> file;
    if (!net.getUrl(url, file, reply.fileSize > 0 ? static_cast<uint32_t>(reply.fileSize) : 0)) {
      if (!myDialog->cancelled()) myDialog->downloadFailed();
      return;
    }
    const DownloadCheck check = checkDownload(reply, file.data(), file.size(), kUpdatePublicKey);
    trace("update download %s: %lu bytes (server %ld), crc %08lx (server %08lx): %s\n",
          std::string(view(url.text())).c_str(), static_cast<unsigned long>(file.size()), static_cast<long>(reply.fileSize),
          static_cast<unsigned long>(crc32(file.data(), file.size())), static_cast<unsigned long>(reply.fileCrc),
          downloadCheckText(check));
    myDialog->downloaded(std::move(file), check);
  }

 private:
  UpdateDialog* myDialog;
};

}  // namespace

void startCheckThread(UpdateDialog* dialog) { (new CheckUpdateThread(dialog))->resume(); }
void startDownloadThread(UpdateDialog* dialog) { (new UpdateThread(dialog))->resume(); }

}  // namespace orv::win
