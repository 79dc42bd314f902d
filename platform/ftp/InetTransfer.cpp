#include "platform/ftp/InetTransfer.h"

#include <atomic>
#include <utility>

#include "platform/ftp/InetOperation.h"

namespace platform {

// What tasks posted to the window thread need to know after the control has gone.
struct InetTransfer::Shared {
  std::atomic<bool> alive{true};
};

namespace {

FtpResult Run(FtpSession& session, const InetCommand& command) {
  switch (command.verb) {
    case InetCommand::Verb::ChangeDirectory:
      return session.ChangeDirectory(command.first);
    case InetCommand::Verb::Put:
      return session.PutFile(command.first, command.second);
    case InetCommand::Verb::Get:
      return session.GetFile(command.first, command.second);
    case InetCommand::Verb::Close:
      session.Close();
      return {};
  }
  return {};
}

InetResult ToInetResult(FtpResult ftp) {
  InetResult result;
  result.kind = ftp.error;
  result.replyCode = ftp.replyCode;
  result.reply = std::move(ftp.reply);
  result.detail = std::move(ftp.detail);
  if (ftp.ok()) {
    result.state = kInetStateResponseCompleted;
  } else {
    result.state = kInetStateError;
    result.errorNumber =
        ftp.error == FtpErrorKind::NoConnection ? kInetErrorCannotConnect : kInetErrorRequestFailed;
  }
  return result;
}

}  // namespace

InetTransfer::InetTransfer(PostFunction post)
    : post_(std::move(post)), shared_(std::make_shared<Shared>()) {}

InetTransfer::~InetTransfer() {
  shared_->alive = false;
  if (session_) session_->Abort();
  if (worker_.joinable()) worker_.join();
}

void InetTransfer::Deliver(int state) {
  if (StateChanged) StateChanged(state);
}

void InetTransfer::Finish(InetResult result) {
  executing_ = false;
  last_ = std::move(result);
  Deliver(last_.state);
}

void InetTransfer::Execute(std::string_view url, std::string_view operation) {
  if (executing_) {
    throw InetError(kInetErrorStillExecuting, "The previous FTP command is still executing");
  }
  if (!url.empty()) url_ = std::string(url);
  const std::optional<FtpAddress> address = ParseFtpUrl(url_);
  if (!address) throw InetError(kInetErrorBadUrl, "The URL \"" + url_ + "\" names no FTP server");
  std::optional<InetCommand> command = ParseInetOperation(operation);
  if (!command) {
    throw InetError(kInetErrorBadOperation,
                    "The FTP operation \"" + std::string(operation) + "\" is not understood");
  }

  FtpSettings settings;
  settings.host = address->host;
  settings.port = address->port;
  const bool loginInUrl = !address->userName.empty();
  settings.userName = loginInUrl ? address->userName : userName_;
  settings.password = loginInUrl ? address->password : password_;
  settings.limits = limits_;

  if (worker_.joinable()) worker_.join();  // it has delivered its end already
  std::unique_ptr<FtpSession> previous;
  if (!session_ || !(session_->settings() == settings)) {
    previous = std::move(session_);  // logged out on the worker, not here
    session_ = std::make_unique<FtpSession>(std::move(settings));
  }

  executing_ = true;
  worker_ = std::thread([this, session = session_.get(), previous = std::move(previous),
                         command = std::move(*command), post = post_, shared = shared_]() mutable {
    // `this` is touched only by the posted tasks, on the window thread, while it is alive.
    const auto deliver = [&](int state) {
      post([this, shared, state] {
        if (shared->alive) Deliver(state);
      });
    };
    if (previous) {
      previous->Abort();  // no farewell to the old server: it must not delay this command
      previous.reset();
    }

    FtpResult ftp;
    if (command.verb != InetCommand::Verb::Close && !session->connected()) {
      deliver(kInetStateConnecting);
      ftp = session->Connect();
      if (ftp) deliver(kInetStateConnected);
    }
    if (ftp) {
      deliver(kInetStateRequesting);
      ftp = Run(*session, command);
    }
    post([this, shared, result = ToInetResult(std::move(ftp))]() mutable {
      if (shared->alive) Finish(std::move(result));
    });
  });
}

}  // namespace platform
