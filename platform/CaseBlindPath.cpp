#include "platform/CaseBlindPath.h"

#include <cctype>
#include <string>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

fs::path CurrentDir() {
  std::error_code ec;
  fs::path dir = fs::current_path(ec);
  return ec ? fs::path(".") : dir;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

namespace {

// The spelling of `name` that exists in `folder`, or `name` itself.
fs::path MatchInFolder(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualsIgnoringCase(entry, name)) return it->path();
  }
  return folder / name;
}

}  // namespace

fs::path ResolveCaseBlind(const fs::path& base, std::string_view relative) {
  fs::path result = base;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = relative.size();
    const std::string component(relative.substr(start, end - start));
    if (!component.empty() && component != ".") result = MatchInFolder(result, component);
    start = end + 1;
  }
  return result;
}

fs::path BelowCurrentDir(std::string_view relative) {
  return ResolveCaseBlind(CurrentDir(), relative);
}

}  // namespace platform
