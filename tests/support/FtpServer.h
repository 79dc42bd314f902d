#pragma once
// A real FTP server on 127.0.0.1 for one test (tests/support/ftp_server.py on Debian's
// pyftpdlib, run with /usr/bin/python3). It serves a fresh root folder that holds
// "MIRSA/TalliskInfo" to the programs' user "korvexuser" with the password "plumbtrevasoke",
// listens on a port the system chooses, and is stopped when the object goes.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace testing_support {

inline constexpr const char* kFtpUser = "korvexuser";
inline constexpr const char* kFtpPassword = "plumbtrevasoke";

struct FtpServerOptions {
  // Folders (relative to the root, '/'-separated, created empty) where the user may list and
  // fetch but not store.
  std::vector<std::string> readOnlyFolders;
  // Every upload is received in full and then answered "451" instead of "226".
  bool refuseStoredFiles = false;
  // Every reply is sent this late.
  double replyDelaySeconds = 0;
  // No reply at all (the greeting included) until ReleaseReplies().
  bool holdReplies = false;
  // The password the server expects of the user (another one makes it refuse the programs).
  std::string password = kFtpPassword;
};

class FtpServer {
 public:
  // Starts the server and returns once it listens; throws std::runtime_error, with the
  // server's own log, when it does not come up.
  explicit FtpServer(FtpServerOptions options = {});
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;
  ~FtpServer();

  static constexpr const char* host() { return "127.0.0.1"; }
  std::uint16_t port() const { return port_; }
  std::string url() const;  // "ftp://127.0.0.1:<port>"
  // The folder that the server shows as "/".
  const std::filesystem::path& root() const { return root_; }

  // Lets a server started with holdReplies answer from now on.
  void ReleaseReplies();
  // What the server logged so far (for failure messages).
  std::string Log() const;

  // A port on 127.0.0.1 where nothing listens.
  static std::uint16_t UnusedPort();

 private:
  TempDir folder_{false};
  std::filesystem::path root_;
  std::filesystem::path releaseFile_;
  std::filesystem::path logFile_;
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
};

}  // namespace testing_support
