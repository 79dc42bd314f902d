#include "tallisk/records/TextLines.h"

#include <exception>
#include <system_error>

#include "platform/TextMode.h"
#include "tallisk/records/NumberText.h"

namespace tallisk {

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  try {
    return platform::ReadTextFile(path);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::vector<std::string_view> ListLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    // A lone CR before the LF (a line break written twice over) is no part of the line.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool IsBlankLine(std::string_view line) {
  return Trimmed(line).empty();
}

void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find('|', start);
    if (bar == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return;
    }
    fields.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
}

}  // namespace tallisk
