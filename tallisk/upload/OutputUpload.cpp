#include "tallisk/upload/OutputUpload.h"

#include <chrono>
#include <thread>

namespace tallisk {

namespace {

// How long the waiting loop rests between two rounds of window events: short enough that the
// form answers at once, long enough that waiting does not keep a processor busy.
constexpr std::chrono::milliseconds kWaitingRest{5};

constexpr std::string_view kNotUploaded = "The file was not uploaded.";

}  // namespace

std::string PutCommand(const std::filesystem::path& local, std::string_view remoteName) {
  return "PUT \"" + local.string() + "\"" + std::string(kRemoteFolder) + std::string(remoteName);
}

OutputUpload::OutputUpload(ui::Toolkit& toolkit, FtpServerAddress server)
    : toolkit_(toolkit),
      server_(std::move(server)),
      inet_([&toolkit](auto task) { toolkit.Post(std::move(task)); }) {}

const platform::InetResult& OutputUpload::ChangeToTrustFolder() {
  inet_.SetURL(FtpUrl(server_));
  inet_.SetUserName(std::string(kFtpUserName));
  inet_.SetPassword(std::string(kFtpPassword));
  return Run(kTrustFolderCommand);
}

const platform::InetResult& OutputUpload::PutOutputFile(const std::filesystem::path& local,
                                                        std::string_view remoteName) {
  return Run(PutCommand(local, remoteName));
}

const platform::InetResult& OutputUpload::Run(std::string_view operation) {
  try {
    inet_.Execute("", operation);
  } catch (const platform::InetError& e) {
    refused_ = {};
    refused_.state = platform::kInetStateError;
    refused_.errorNumber = e.number();
    refused_.detail = e.what();
    return refused_;
  }
  while (inet_.StillExecuting()) {
    toolkit_.ProcessEvents();
    std::this_thread::sleep_for(kWaitingRest);
  }
  return inet_.LastResult();
}

std::string UploadFailureMessage(const platform::InetResult& result, bool put) {
  using platform::FtpErrorKind;
  if (result.errorNumber == platform::kInetErrorCannotConnect)
    return "No Internet connection is available";
  std::string text;
  switch (result.kind) {
    case FtpErrorKind::LoginRefused:
      text = "The FTP server refused the login (user name or password).";
      break;
    case FtpErrorKind::FileAbsent:
      text = put ? "The FTP server has no folder for the file."
                 : "The FTP server has no folder /MIRSA.";
      break;
    default:
      text = put ? "The FTP server did not take the file." : "The FTP command failed.";
      break;
  }
  text += "\r\n";
  text += kNotUploaded;
  if (!result.detail.empty()) text += "\r\n\r\n" + result.detail;
  return text;
}

}  // namespace tallisk
