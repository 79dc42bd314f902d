#include "mirsaclient/shell/WorkingDirs.h"

#include <system_error>

#include "platform/CaseBlindPath.h"

namespace mirsa {

namespace fs = std::filesystem;

fs::path WorkingRoot() {
  return platform::BelowCurrentDir(kWorkingRootName);
}

fs::path ClientPath(std::string_view relative) {
  return platform::BelowCurrentDir(relative);
}

bool WorkingDirExists(std::string_view name) {
  std::error_code ec;
  return fs::is_directory(platform::ResolveCaseBlind(WorkingRoot(), name), ec);
}

bool CreateWorkingDir(std::string_view name) {
  std::error_code ec;
  const fs::path dir = platform::ResolveCaseBlind(WorkingRoot(), name);
  return !fs::exists(dir, ec) && fs::create_directory(dir, ec);
}

void ListFolderFiles(const fs::path& folder, std::vector<std::string>& fullPaths,
                     std::vector<std::string>& names) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string full = it->path().string();
    if (full.size() >= 3 && full.compare(full.size() - 3, 3, "$$$") == 0) continue;
    fullPaths.push_back(full);
    names.push_back(it->path().filename().string());
  }
}

}  // namespace mirsa
