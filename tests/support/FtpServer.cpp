#include "tests/support/FtpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace testing_support {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPython = "/usr/bin/python3";
constexpr auto kStartLimit = std::chrono::seconds(15);

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Reset(); }
  int get() const { return fd_; }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// Reads the server's first line ("LISTENING <port>") within the start limit.
std::string ReadFirstLine(int fd) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  while (line.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    line.append(buffer, static_cast<std::size_t>(n));
  }
  return line.substr(0, line.find('\n'));
}

}  // namespace

FtpServer::FtpServer(FtpServerOptions options) {
  root_ = folder_.path() / "root";
  fs::create_directories(root_ / "MIRSA" / "TalliskInfo");
  releaseFile_ = folder_.path() / "release";
  logFile_ = folder_.path() / "server.log";

  std::vector<std::string> args = {kPython,      TALVO_FTP_SERVER_SCRIPT,
                                   "--root",     root_.string(),
                                   "--user",     kFtpUser,
                                   "--password", options.password,
                                   "--port",     "0"};
  for (const auto& folder : options.readOnlyFolders) {
    fs::create_directories(root_ / folder);
    args.insert(args.end(), {"--read-only", folder});
  }
  if (options.refuseStoredFiles) args.emplace_back("--refuse-stored");
  if (options.replyDelaySeconds > 0) {
    args.insert(args.end(), {"--reply-delay", std::to_string(options.replyDelaySeconds)});
  }
  if (options.holdReplies) args.insert(args.end(), {"--hold-until", releaseFile_.string()});

  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("FtpServer: no pipe");
  Fd readEnd(pipeFds[0]);
  Fd writeEnd(pipeFds[1]);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logFile_.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int spawned = ::posix_spawn(&pid_, kPython, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    pid_ = -1;
    throw std::runtime_error(std::string("FtpServer: cannot start ") + kPython);
  }
  writeEnd.Reset();

  const std::string line = ReadFirstLine(readEnd.get());
  constexpr std::string_view kListening = "LISTENING ";
  if (line.rfind(kListening, 0) == 0)
    port_ = static_cast<std::uint16_t>(std::stoi(line.substr(kListening.size())));
  if (port_ == 0) {
    const std::string log = Log();
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    throw std::runtime_error("FtpServer: the server did not start:\n" + log);
  }
}

FtpServer::~FtpServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  // A server that ignores the request is killed after a while.
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
}

std::string FtpServer::url() const {
  return "ftp://127.0.0.1:" + std::to_string(port_);
}

void FtpServer::ReleaseReplies() {
  std::ofstream(releaseFile_) << "go\n";
}

std::string FtpServer::Log() const {
  std::ifstream in(logFile_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::uint16_t FtpServer::UnusedPort() {
  Fd socket(::socket(AF_INET, SOCK_STREAM, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (::bind(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("FtpServer: no free port");
  }
  return ntohs(address.sin_port);  // closed again: nothing listens there
}

}  // namespace testing_support
