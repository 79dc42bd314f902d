#include "mirsaclient/shell/ParameterFile.h"

#include <system_error>

#include "mirsaclient/shell/FileScrambler.h"
#include "platform/CaseBlindPath.h"
#include "platform/TextMode.h"

namespace mirsa {

ParameterSet SplitParameterLine(std::string_view line) {
  ParameterSet p;
  std::size_t start = 0;
  for (int field = 0; field < kParameterFieldCount; ++field) {
    if (start > line.size()) break;
    const std::size_t bar = line.find('|', start);
    if (field == kParameterFieldCount - 1 || bar == std::string_view::npos) {
      p.fields[field] = std::string(line.substr(start));
      break;
    }
    p.fields[field] = std::string(line.substr(start, bar - start));
    start = bar + 1;
  }
  return p;
}

std::string JoinParameterFields(const ParameterSet& parameters) {
  std::string line;
  for (int field = 0; field < kParameterFieldCount; ++field) {
    if (field > 0) line.push_back('|');
    line += parameters.fields[field];
  }
  return line;
}

std::filesystem::path ParameterFilePath() {
  return platform::BelowCurrentDir("\\MIRSA\\Param.tlv");
}

bool ParameterFileExists() {
  std::error_code ec;
  return std::filesystem::exists(ParameterFilePath(), ec);
}

std::optional<ParameterSet> ReadParameterFile() {
  const auto plain = ReadStoredFile(ParameterFilePath());
  if (!plain) return std::nullopt;
  return SplitParameterLine(platform::FirstLine(*plain));
}

bool WriteParameterFile(const ParameterSet& parameters) {
  return WriteStoredFile(ParameterFilePath(), JoinParameterFields(parameters));
}

}  // namespace mirsa
