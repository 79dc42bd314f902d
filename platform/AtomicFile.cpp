#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/TextMode.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Owns a POSIX file descriptor.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  int get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string TemporaryName(const fs::path& target) {
  static thread_local std::mt19937 random{std::random_device{}()};
  std::string name = ".";
  name += target.filename().string();
  name += '.';
  name += std::to_string(random() % 1000000);
  name += ".tmp";
  return name;
}

void SyncFolder(const fs::path& folder) {
  Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool ReplaceFileAtomically(const fs::path& target, std::string_view bytes, FileAccess access) {
  const fs::path folder = target.parent_path();
  const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = folder / TemporaryName(target);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) return false;
  }
  Descriptor file(fd);
  if (file.get() < 0) return false;
  const bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.Close();
  std::error_code ec;
  if (!written || (fs::rename(temporary, target, ec), ec)) {
    fs::remove(temporary, ec);
    return false;
  }
  if (access == FileAccess::OwnerOnly) ::chmod(target.c_str(), 0600);
  SyncFolder(folder);
  return true;
}

bool AppendFileAtomically(const fs::path& target, std::string_view bytes, FileAccess access) {
  std::string content;
  if (fs::exists(target)) {
    auto old = ReadBinaryFile(target);
    if (!old) return false;
    content = std::move(*old);
  }
  content.append(bytes);
  return ReplaceFileAtomically(target, content, access);
}

}  // namespace platform
