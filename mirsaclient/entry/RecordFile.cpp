#include "mirsaclient/entry/RecordFile.h"

#include <optional>
#include <string_view>
#include <system_error>

#include "mirsaclient/entry/Captions.h"
#include "mirsaclient/entry/TextValidators.h"
#include "mirsaclient/shell/FileScrambler.h"
#include "mirsaclient/shell/ProcessState.h"
#include "mirsaclient/shell/WorkingDirs.h"
#include "ui/Toolkit.h"

namespace mirsa {
namespace {

constexpr std::string_view kTrailer = "END";

// Lines of plain text as text-mode line reading gives them: a final line break ends the last
// line without starting another.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t lf = rest_.find('\n');
    const std::string_view line = rest_.substr(0, lf);
    rest_ = lf == std::string_view::npos ? std::string_view() : rest_.substr(lf + 1);
    return line;
  }

 private:
  std::string_view rest_;
};

}  // namespace

std::filesystem::path RecordFilePath(RecordFileKind kind) {
  return ClientPath(
      (kind == RecordFileKind::New ? "\\MIRSA\\NEW\\NEWAPP." : "\\MIRSA\\CHECKED\\CHECKAPP.") +
      g_strBankCode);
}

int RecordSeparators(RecordFileKind kind) {
  return kind == RecordFileKind::New ? 44 : 45;
}

bool WriteRecordFile(const std::vector<std::string>& lines, RecordFileKind kind) {
  const std::filesystem::path path = RecordFilePath(kind);
  std::error_code ec;
  if (lines.empty()) {
    // As creating the file would, a missing folder fails.
    if (!std::filesystem::is_directory(path.parent_path(), ec)) return false;
    std::filesystem::remove(path, ec);
    return !ec;
  }
  std::string plain = g_strMemberCode + "|" + std::to_string(lines.size()) + "\n";
  for (const std::string& line : lines) plain += line + "\n";
  plain += kTrailer;
  return WriteStoredFile(path, plain);
}

bool ReadRecordFile(ui::Toolkit& toolkit, std::vector<std::string>& lines, RecordFileKind kind) {
  const std::optional<std::string> plain = ReadStoredFile(RecordFilePath(kind));
  if (!plain) return false;
  LineReader reader(*plain);

  const std::string_view header = reader.Next().value_or("");
  if (CountChar(header, '|') != 1) toolkit.MessageBox(kInvalidHeaderMessage, kCaptionTalvo);

  const int separators = RecordSeparators(kind);
  std::string report = kCorruptedRecordsMessage;
  bool corrupted = false;
  while (const std::optional<std::string_view> line = reader.Next()) {
    if (*line == kTrailer) break;
    if (CountChar(*line, '|') == separators) {
      lines.emplace_back(*line);
    } else {
      report.append(*line).append("\n\n");
      corrupted = true;
    }
  }
  if (corrupted) toolkit.MessageBox(report, kCaptionTalvo);
  return true;
}

}  // namespace mirsa
