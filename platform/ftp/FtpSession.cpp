#include "platform/ftp/FtpSession.h"

#include <curl/curl.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"

namespace platform {

namespace {

// libcurl's process-wide start-up, done once before the first handle (thread-safe since the
// object is a function-local static).
void EnsureCurlStarted() {
  struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
  };
  static const CurlGlobal global;
}

// The server's replies during one operation, as libcurl passes them on line by line.
struct ReplyLog {
  int code = 0;
  std::string line;
  bool loggedIn = false;  // a "230" reply came: the login went through on a new connection
};

std::size_t OnReplyLine(char* data, std::size_t size, std::size_t count, void* userData) {
  auto& log = *static_cast<ReplyLog*>(userData);
  std::string_view line(data, size * count);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  const bool hasCode = line.size() >= 3 && std::all_of(line.begin(), line.begin() + 3, [](char c) {
                         return std::isdigit(static_cast<unsigned char>(c)) != 0;
                       });
  if (hasCode) {
    log.code = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
    log.line = std::string(line);
    if (log.code == 230) log.loggedIn = true;
  }
  return size * count;
}

std::size_t DiscardBody(char*, std::size_t size, std::size_t count, void*) {
  return size * count;
}

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* userData) {
  static_cast<std::string*>(userData)->append(data, size * count);
  return size * count;
}

struct UploadSource {
  std::string_view bytes;
  std::size_t sent = 0;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* userData) {
  auto& source = *static_cast<UploadSource*>(userData);
  const std::size_t n = std::min(size * count, source.bytes.size() - source.sent);
  std::copy_n(source.bytes.data() + source.sent, n, buffer);
  source.sent += n;
  return n;
}

int CheckAbort(void* userData, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(userData)->load() ? 1 : 0;
}

bool IsConnectionLevel(CURLcode code) {
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
      return true;
    default:
      return false;
  }
}

FtpErrorKind KindOf(CURLcode code, bool loggedIn, bool absentWhenRefused) {
  switch (code) {
    case CURLE_OK:
      return FtpErrorKind::None;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
      return FtpErrorKind::NoConnection;
    case CURLE_LOGIN_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY:
      return FtpErrorKind::LoginRefused;
    case CURLE_REMOTE_FILE_NOT_FOUND:  // the file is not there
    case CURLE_REMOTE_ACCESS_DENIED:   // a folder on its path is not there
      return absentWhenRefused ? FtpErrorKind::FileAbsent : FtpErrorKind::TransferFailed;
    default:
      // A server that never got as far as accepting the login was not really reached.
      if (IsConnectionLevel(code) && !loggedIn) return FtpErrorKind::NoConnection;
      return FtpErrorKind::TransferFailed;
  }
}

}  // namespace

std::string_view ToString(FtpErrorKind kind) {
  switch (kind) {
    case FtpErrorKind::None:
      return "no error";
    case FtpErrorKind::NoConnection:
      return "no connection";
    case FtpErrorKind::LoginRefused:
      return "login refused";
    case FtpErrorKind::TransferFailed:
      return "transfer failed";
    case FtpErrorKind::FileAbsent:
      return "file absent";
  }
  return "unknown";
}

struct FtpSession::Handle {
  Handle() : curl(curl_easy_init()) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (curl != nullptr) curl_easy_cleanup(curl);  // says QUIT on a live connection
  }
  // Closes without the QUIT and its wait for an answer: the server may have gone silent.
  void Drop() {
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(curl, CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK &&
        socket != CURL_SOCKET_BAD) {
      ::shutdown(socket, SHUT_RDWR);
    }
  }
  CURL* curl;
};

struct FtpSession::Request {
  std::string action;  // for the detail: "put /tmp/a.out as /MIRSA/TalliskInfo/x"
  std::string target;  // for the detail of a missing target: "the file /MIRSA/x"
  RemotePath path;
  bool folder = false;
  bool noBody = false;
  bool absentWhenRefused = false;
  std::optional<std::string_view> upload;
  std::string* download = nullptr;
};

FtpSession::FtpSession(FtpSettings settings) : settings_(std::move(settings)) {
  EnsureCurlStarted();
}

FtpResult FtpSession::Perform(Request& request) {
  FtpResult result;
  if (aborted_) {
    result.error = FtpErrorKind::TransferFailed;
    result.detail = "Could not " + request.action + ": the session was stopped";
    return result;
  }
  if (!handle_) handle_ = std::make_unique<Handle>();
  CURL* curl = handle_->curl;
  if (curl == nullptr) {
    result.error = FtpErrorKind::TransferFailed;
    result.detail = "Could not " + request.action + ": libcurl could not start";
    return result;
  }

  // A reset keeps the live connection and forgets the previous operation's options.
  curl_easy_reset(curl);
  const std::string url = FtpUrl(settings_.host, settings_.port, request.path, request.folder);
  ReplyLog replies;
  std::array<char, CURL_ERROR_SIZE> errorText{};
  UploadSource source;
  const FtpLimits& limits = settings_.limits;

  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
#if LIBCURL_VERSION_NUM >= 0x075500
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
#else
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_FTP));
#endif
  // Straight to the server: a web proxy cannot carry an active-mode FTP conversation.
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_USERNAME, settings_.userName.c_str());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, settings_.password.c_str());
  curl_easy_setopt(curl, CURLOPT_FTPPORT, settings_.activeMode ? "-" : nullptr);
  curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                   static_cast<long>(std::max<std::chrono::seconds::rep>(1, limits.reply.count())));
  curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, static_cast<long>(limits.dataConnect.count()));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
  curl_easy_setopt(
      curl, CURLOPT_TIMEOUT_MS,
      static_cast<long>(
          std::chrono::duration_cast<std::chrono::milliseconds>(limits.operation).count()));
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckAbort);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &aborted_);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnReplyLine);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &replies);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText.data());
  curl_easy_setopt(curl, CURLOPT_NOBODY, request.noBody ? 1L : 0L);
  if (request.download != nullptr) {
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, request.download);
  } else {
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardBody);
  }
  if (request.upload) {
    source.bytes = *request.upload;
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.bytes.size()));
  }

  const CURLcode code = curl_easy_perform(curl);

  long connects = 0;
  curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &connects);
  const bool loggedIn = replies.loggedIn || (connects == 0 && connected_);
  result.replyCode = replies.code;
  result.reply = replies.line;
  result.error = code == CURLE_ABORTED_BY_CALLBACK
                     ? FtpErrorKind::TransferFailed
                     : KindOf(code, loggedIn, request.absentWhenRefused);

  if (result.ok() && request.upload) {
    // libcurl already fails an upload whose final reply is not 226 or 250; check the count
    // and the reply here too, since a put reported as done must really be done.
    curl_off_t sent = 0;
    curl_easy_getinfo(curl, CURLINFO_SIZE_UPLOAD_T, &sent);
    if (static_cast<std::size_t>(sent) != source.bytes.size() ||
        (replies.code != 226 && replies.code != 250)) {
      result.error = FtpErrorKind::TransferFailed;
      result.detail = "Could not " + request.action + ": the server confirmed " +
                      std::to_string(sent) + " of " + std::to_string(source.bytes.size()) +
                      " bytes (" + (replies.line.empty() ? "no reply" : replies.line) + ")";
      return result;
    }
  }
  if (result.ok()) {
    connected_ = true;
    return result;
  }

  // Why, in words: the server's own refusal when it gave one, else libcurl's.
  std::string reason;
  if (code == CURLE_ABORTED_BY_CALLBACK) {
    reason = "the session was stopped";
  } else if (replies.code >= 400 && result.error != FtpErrorKind::NoConnection) {
    reason = replies.line;
  } else {
    reason = curl_easy_strerror(code);
    if (errorText[0] != '\0') reason += std::string(" (") + errorText.data() + ")";
  }
  const std::string server = settings_.host + ":" + std::to_string(settings_.port);
  switch (result.error) {
    case FtpErrorKind::NoConnection:
      result.detail = "No connection to the FTP server " + server + ": " + reason;
      connected_ = false;
      break;
    case FtpErrorKind::LoginRefused:
      result.detail = "The FTP server " + server + " refused the login of " + settings_.userName +
                      ": " + reason;
      connected_ = false;
      break;
    case FtpErrorKind::FileAbsent:
      result.detail = request.target + " is not on the server (" + reason + ")";
      break;
    default:
      result.detail = "Could not " + request.action + ": " + reason;
      if (IsConnectionLevel(code)) connected_ = false;
      break;
  }
  return result;
}

FtpResult FtpSession::Connect() {
  Request request;
  request.action = "log in";
  request.folder = true;
  request.noBody = true;
  return Perform(request);
}

FtpResult FtpSession::ChangeDirectory(std::string_view folder) {
  Request request;
  request.path = ResolveRemotePath(current_, folder);
  request.action = "change to the folder " + request.path.ToString();
  request.target = "The folder " + request.path.ToString();
  request.folder = true;
  request.noBody = true;
  request.absentWhenRefused = true;
  FtpResult result = Perform(request);
  if (result) current_ = request.path;
  return result;
}

namespace {

// A remote path that names a file: at least one component, and not a step up.
bool NamesFile(const RemotePath& path) {
  return !path.components.empty() && path.components.back() != "..";
}

FtpResult Refused(std::string detail) {
  FtpResult result;
  result.error = FtpErrorKind::TransferFailed;
  result.detail = std::move(detail);
  return result;
}

// The answer to a file operation whose remote path names no file.
FtpResult NamesNoFile(const std::string& action) {
  return Refused("Could not " + action + ": the remote path names no file");
}

}  // namespace

FtpResult FtpSession::PutFile(const std::filesystem::path& local, std::string_view remotePath) {
  Request request;
  request.path = ResolveRemotePath(current_, remotePath);
  request.action = "put " + local.string() + " as " + request.path.ToString();
  if (!NamesFile(request.path)) return NamesNoFile(request.action);
  const std::optional<std::string> bytes = ReadBinaryFile(local);
  if (!bytes) return Refused("Could not " + request.action + ": the local file cannot be read");
  request.upload = *bytes;
  return Perform(request);
}

FtpResult FtpSession::GetFile(std::string_view remotePath, const std::filesystem::path& local) {
  Request request;
  request.path = ResolveRemotePath(current_, remotePath);
  request.action = "get " + request.path.ToString() + " as " + local.string();
  request.target = "The file " + request.path.ToString();
  request.absentWhenRefused = true;
  if (!NamesFile(request.path)) return NamesNoFile(request.action);
  std::string bytes;
  request.download = &bytes;
  FtpResult result = Perform(request);
  if (result && !ReplaceFileAtomically(local, bytes)) {
    result.error = FtpErrorKind::TransferFailed;
    result.detail = "Could not " + request.action + ": the local file cannot be written";
  }
  return result;
}

FtpResult FtpSession::FindFile(std::string_view remotePath) {
  Request request;
  request.path = ResolveRemotePath(current_, remotePath);
  request.action = "look up " + request.path.ToString();
  request.target = "The file " + request.path.ToString();
  request.noBody = true;
  request.absentWhenRefused = true;
  if (!NamesFile(request.path)) return NamesNoFile(request.action);
  return Perform(request);
}

FtpSession::~FtpSession() {
  if (handle_ && aborted_) handle_->Drop();
}

void FtpSession::Close() {
  if (handle_ && aborted_) handle_->Drop();
  handle_.reset();
  connected_ = false;
  current_ = RemotePath{};
}

void FtpSession::Abort() {
  aborted_ = true;
}

}  // namespace platform
