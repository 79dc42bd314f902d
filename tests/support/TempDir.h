#pragma once
// A fresh folder for one test, made the current directory while the object lives.

#include <filesystem>
#include <random>
#include <string>

namespace testing_support {

class TempDir {
 public:
  explicit TempDir(bool enter = true) {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("talvo-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    if (enter) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ec;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace testing_support
