#pragma once
// The FTP exchange of the upload, through the Internet Transfer control: log in to the trust's
// server and change to its folder "/MIRSA", then put the output file as
// "./TalliskInfo/<remote name>". Each command runs on the control's worker thread; the calls
// here wait for it on the window thread in a loop that keeps handling window events, so the
// form stays responsive while the server is slow.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ftp/InetTransfer.h"
#include "tallisk/upload/TrustFtpServer.h"
#include "ui/Toolkit.h"

namespace tallisk {

inline constexpr std::string_view kTrustFolderCommand = "CD /MIRSA";
inline constexpr std::string_view kRemoteFolder = "./TalliskInfo/";

// `PUT "<local>"./TalliskInfo/<remote name>`: the remote path follows the quote directly, with
// '/' separators, which servers on every system accept.
std::string PutCommand(const std::filesystem::path& local, std::string_view remoteName);

class OutputUpload {
 public:
  OutputUpload(ui::Toolkit& toolkit, FtpServerAddress server);

  // Sets the control's URL, user name and password and runs "CD /MIRSA".
  const platform::InetResult& ChangeToTrustFolder();
  // Puts the local file under "./TalliskInfo/" and `remoteName`.
  const platform::InetResult& PutOutputFile(const std::filesystem::path& local,
                                            std::string_view remoteName);

  bool busy() const { return inet_.StillExecuting(); }
  const FtpServerAddress& server() const { return server_; }

 private:
  const platform::InetResult& Run(std::string_view operation);

  ui::Toolkit& toolkit_;
  FtpServerAddress server_;
  platform::InetTransfer inet_;
  platform::InetResult refused_;  // a command that Execute turned down at once
};

// What the branch is told when a command of the upload failed: "No Internet connection is
// available" when no connection could be made, otherwise what failed and that the file was
// not uploaded.
std::string UploadFailureMessage(const platform::InetResult& result, bool put);

}  // namespace tallisk
