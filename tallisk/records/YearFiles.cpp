#include "tallisk/records/YearFiles.h"

#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"
#include "tallisk/fee/DateText.h"
#include "tallisk/records/TextLines.h"

namespace tallisk {

namespace fs = std::filesystem;

std::string HeaderLine(std::string_view memberId, int recordCount, std::string_view totalFee,
                       int year) {
  return std::string(memberId) + "|" + std::to_string(recordCount) + "|" + std::string(totalFee) +
         "|" + MarchThirtyFirstText(year) + "|";
}

bool YearFiles::AppendRecord(const PeriodicalRecord& record) const {
  // The append reads the file first: something that is no file in its place fails it.
  std::error_code ec;
  const fs::path data = dataFile();
  if (fs::exists(data, ec) && !fs::is_regular_file(data, ec)) return false;
  return platform::AppendFileAtomically(data, platform::ToTextMode(ToDataLine(record) + "\n"));
}

bool YearFiles::RewriteData(const std::vector<PeriodicalRecord>& records) const {
  std::string text;
  for (const PeriodicalRecord& r : records) text += ToDataLine(r) + "\n";
  return platform::ReplaceFileAtomically(dataFile(), platform::ToTextMode(text));
}

bool YearFiles::WriteHeader(std::string_view line) const {
  return platform::ReplaceFileAtomically(headerFile(),
                                         platform::ToTextMode(std::string(line) + "\n"));
}

std::optional<std::string> YearFiles::ReadHeaderLine() const {
  const auto text = ReadFileText(headerFile());
  if (!text) return std::nullopt;
  const auto lines = ListLines(*text);
  return lines.empty() ? std::string() : std::string(lines.front());
}

DataFileContent YearFiles::ReadData() const {
  DataFileContent content;
  const auto text = ReadFileText(dataFile());
  if (!text) return content;
  std::vector<std::string_view> fields;
  for (std::string_view line : ListLines(*text)) {
    if (IsBlankLine(line)) {
      ++content.blankLines;
      continue;
    }
    SplitFields(line, fields);
    auto record = FromFields(fields);
    if (!record) break;
    content.records.push_back(std::move(*record));
  }
  return content;
}

bool YearFiles::WriteOutput(std::string_view memberId,
                            std::optional<std::string_view> lastLine) const {
  const auto header = ReadFileText(headerFile());
  const auto data = ReadFileText(dataFile());
  if (!header || !data) return false;
  const auto headerLines = ListLines(*header);
  std::string text = std::string(headerLines.empty() ? std::string_view() : headerLines.front());
  text += '\n';
  for (std::string_view line : ListLines(*data)) {
    text += line;
    text += '\n';
  }
  if (lastLine) {
    text += *lastLine;
    text += '\n';
  }
  const fs::path output = outputFile(memberId);
  std::error_code ec;
  fs::create_directories(output.parent_path(), ec);  // gone after the last record's deletion
  return platform::ReplaceFileAtomically(output, platform::ToTextMode(text));
}

void YearFiles::RemoveAll() const {
  std::error_code ec;
  fs::remove(headerFile(), ec);
  fs::remove(dataFile(), ec);
  fs::remove_all(files_.OutputDir(), ec);
}

}  // namespace tallisk
