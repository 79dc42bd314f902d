#pragma once
// One FTP conversation with a server, over libcurl: log in, change folder, put, get and look
// up files, close. The programs' settings are the defaults: port 21, active mode (the server
// connects back to the address of the control connection), binary transfers. One easy handle
// lives as long as the session, so every operation reuses the logged-in control connection.
//
// Every operation is bounded in time (FtpLimits): a server that does not answer, or a transfer
// that stalls, fails instead of blocking its caller for ever.
//
// A session is used from one thread at a time; only Abort may be called from another.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ftp/FtpPath.h"

namespace platform {

// What went wrong, in kinds that the programs tell apart.
enum class FtpErrorKind {
  None,
  NoConnection,    // no server answers at that address (refused, unknown host, silent)
  LoginRefused,    // the server turned the user name or the password down
  TransferFailed,  // logged in, but the command or the transfer failed or was not confirmed
  FileAbsent,      // the remote file, or a folder on its path, does not exist
};

std::string_view ToString(FtpErrorKind kind);

struct FtpResult {
  FtpErrorKind error = FtpErrorKind::None;
  std::string detail;  // for people: what failed and why; empty on success
  int replyCode = 0;   // the server's last reply code in this operation (0: none came)
  std::string reply;   // that reply's last line, e.g. "226 Transfer complete."

  bool ok() const { return error == FtpErrorKind::None; }
  explicit operator bool() const { return ok(); }
};

struct FtpLimits {
  std::chrono::milliseconds connect{15'000};      // reaching the server
  std::chrono::seconds reply{30};                 // waiting for any one reply of the server
  std::chrono::milliseconds dataConnect{15'000};  // the server connecting back (active mode)
  long lowSpeedBytesPerSecond = 1;                // a transfer slower than this ...
  std::chrono::seconds lowSpeedTime{60};          // ... for this long is given up
  std::chrono::seconds operation{600};            // one operation as a whole
  bool operator==(const FtpLimits&) const = default;
};

struct FtpSettings {
  std::string host;  // a host name or an address
  std::uint16_t port = 21;
  std::string userName;
  std::string password;
  bool activeMode = true;  // false: passive mode
  FtpLimits limits;
  bool operator==(const FtpSettings&) const = default;
};

class FtpSession {
 public:
  explicit FtpSession(FtpSettings settings);
  FtpSession(const FtpSession&) = delete;
  FtpSession& operator=(const FtpSession&) = delete;
  ~FtpSession();  // closes, as Close does

  const FtpSettings& settings() const { return settings_; }

  // Logs in (again, after Close). Every other operation logs in by itself when needed.
  FtpResult Connect();

  // Makes `folder` (resolved against the current folder) the folder that relative remote
  // paths start from. Fails with FileAbsent, keeping the current folder, when the server
  // cannot change into it.
  FtpResult ChangeDirectory(std::string_view folder);

  // Stores the bytes of the local file under `remotePath`. Succeeds only when the server
  // confirmed that it took the whole file (its final reply 226 or 250).
  FtpResult PutFile(const std::filesystem::path& local, std::string_view remotePath);

  // Fetches `remotePath` into the local file, replacing it atomically (the old file stays
  // when the fetch fails). The file is held in memory on the way: for small files.
  FtpResult GetFile(std::string_view remotePath, const std::filesystem::path& local);

  // Asks the server, not a cache, whether `remotePath` names a file: ok when it does,
  // FileAbsent when it does not.
  FtpResult FindFile(std::string_view remotePath);

  // Logs out and closes the connection; the current folder is forgotten. The answer to the
  // logout is awaited for at most the reply limit, and not at all after Abort.
  void Close();

  // Makes the running operation, and every later one, fail soon (TransferFailed), and the
  // close drop the connection without waiting for the server. Safe from any thread: for an
  // owner that must stop a worker which is waiting on the server.
  void Abort();

  // True once an operation logged in, until Close or a lost connection.
  bool connected() const { return connected_; }
  // The folder set by ChangeDirectory (empty: the login folder).
  const RemotePath& currentDirectory() const { return current_; }

 private:
  struct Handle;
  struct Request;
  FtpResult Perform(Request& request);

  FtpSettings settings_;
  std::unique_ptr<Handle> handle_;
  RemotePath current_;
  bool connected_ = false;
  std::atomic<bool> aborted_{false};
};

}  // namespace platform
