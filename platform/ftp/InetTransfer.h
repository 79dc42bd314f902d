#pragma once
// The Internet Transfer control as the fee calculator drives it: set URL, UserName and
// Password, Execute an FTP operation ("CD /MIRSA", "PUT "<local>"<remote>"), which returns at
// once and runs on a worker thread, wait while StillExecuting() letting window events run,
// and learn the outcome from the StateChanged event and LastResult().
//
// State numbers that StateChanged reports, in the order they come:
//   3  kInetStateConnecting         a connection to the server is being made
//   4  kInetStateConnected          the server accepted the login
//   5  kInetStateRequesting         the operation was sent
//   12 kInetStateResponseCompleted  the operation succeeded (a put: the server took the file)
//   11 kInetStateError              the operation failed; LastResult() tells how
// A command ends with exactly one of 12 and 11. 3 and 4 come only when a new connection is made.
//
// Error numbers in LastResult().errorNumber:
//   0      no error
//   35754  kInetErrorCannotConnect: no connection to the host could be made (the number the
//          calculator shows "No Internet connection is available" for)
//   35750  kInetErrorRequestFailed: any other failure (refused login, transfer, missing file);
//          LastResult().kind and .detail tell them apart.
// Execute throws InetError, with the numbers below, for what it refuses at once.
//
// Threads: every member is called on the window thread. The worker reaches the window thread
// only through the `post` function given to the constructor; every StateChanged call runs
// there. StillExecuting() stays true until the final state (12 or 11) has been delivered, so a
// waiting loop that processes window events has seen the event when it ends.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "platform/ftp/FtpSession.h"

namespace platform {

inline constexpr int kInetStateConnecting = 3;
inline constexpr int kInetStateConnected = 4;
inline constexpr int kInetStateRequesting = 5;
inline constexpr int kInetStateError = 11;
inline constexpr int kInetStateResponseCompleted = 12;

inline constexpr int kInetErrorRequestFailed = 35750;
inline constexpr int kInetErrorCannotConnect = 35754;
// Thrown by Execute:
inline constexpr int kInetErrorBadUrl = 35751;          // the URL names no FTP server
inline constexpr int kInetErrorBadOperation = 35752;    // the operation text is not understood
inline constexpr int kInetErrorStillExecuting = 35753;  // the previous command still runs

class InetError : public std::runtime_error {
 public:
  InetError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

// What the last command came to.
struct InetResult {
  int state = 0;        // kInetStateResponseCompleted or kInetStateError; 0 before any command
  int errorNumber = 0;  // 0, kInetErrorCannotConnect or kInetErrorRequestFailed
  FtpErrorKind kind = FtpErrorKind::None;
  std::string detail;  // for people; empty on success
  int replyCode = 0;   // the server's last reply, e.g. 226 and "226 Transfer complete."
  std::string reply;

  bool succeeded() const { return state == kInetStateResponseCompleted; }
};

class InetTransfer {
 public:
  using PostFunction = std::function<void(std::function<void()>)>;

  // `post` runs a task on the window thread later (ui::Toolkit::Post); it must be safe to
  // call from any thread.
  explicit InetTransfer(PostFunction post);
  InetTransfer(const InetTransfer&) = delete;
  InetTransfer& operator=(const InetTransfer&) = delete;
  // Stops a running command (it fails soon) and waits for the worker. No StateChanged
  // comes after the destructor, even from tasks already posted.
  ~InetTransfer();

  // "ftp://host[:port]"; user and password may also be given in it ("ftp://u:p@host").
  void SetURL(std::string url) { url_ = std::move(url); }
  const std::string& URL() const { return url_; }
  void SetUserName(std::string userName) { userName_ = std::move(userName); }
  const std::string& UserName() const { return userName_; }
  void SetPassword(std::string password) { password_ = std::move(password); }
  const std::string& Password() const { return password_; }
  // The time limits of every command (the defaults suit the programs; tests shorten them).
  void SetLimits(const FtpLimits& limits) { limits_ = limits; }

  // Called on the window thread with each new state.
  std::function<void(int state)> StateChanged;

  // Starts `operation` against `url` (an empty url: the URL property; a non-empty one
  // becomes the URL property) and returns at once. Operations: "CD <folder>", "CDUP",
  // "PUT <local> <remote>", "GET <remote> <local>", "CLOSE"; arguments with blanks in double
  // quotes. The folder set by CD holds for the following commands while URL, UserName and
  // Password stay the same. Throws InetError when the URL or the operation is not understood
  // or the previous command still runs.
  void Execute(std::string_view url, std::string_view operation);

  bool StillExecuting() const { return executing_; }

  // The outcome of the last command that ended.
  const InetResult& LastResult() const { return last_; }

 private:
  struct Shared;
  void Deliver(int state);
  void Finish(InetResult result);

  PostFunction post_;
  std::shared_ptr<Shared> shared_;  // outlives this object in tasks already posted
  std::string url_;
  std::string userName_;
  std::string password_;
  FtpLimits limits_;
  std::unique_ptr<FtpSession> session_;  // the worker's while a command runs
  std::thread worker_;
  bool executing_ = false;
  InetResult last_;
};

}  // namespace platform
