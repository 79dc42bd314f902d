#pragma once
// The year's files of the entry form: the data file (one record a line), the header file (one
// line: member ID, record count, total fee, "March 31, YYYY") and the output file that goes to
// the trust (the header line, then the data lines). All are text-mode files (CR LF), and every
// write is atomic: a crash leaves each file as it was before the write or as it is after it, so
// a record saved before is never lost or damaged.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tallisk/member/ProgramFiles.h"
#include "tallisk/records/PeriodicalRecord.h"

namespace tallisk {

// "001200340056|3|9567|March 31, 2004|"
std::string HeaderLine(std::string_view memberId, int recordCount, std::string_view totalFee,
                       int year);

struct DataFileContent {
  std::vector<PeriodicalRecord> records;  // the records before the first unreadable line
  int blankLines = 0;                     // blank lines met (and skipped) on the way
};

class YearFiles {
 public:
  YearFiles(ProgramFiles files, int year) : files_(std::move(files)), year_(year) {}

  int year() const { return year_; }
  std::filesystem::path headerFile() const { return files_.Header(year_); }
  std::filesystem::path dataFile() const { return files_.Data(year_); }
  std::filesystem::path outputFile(std::string_view memberId) const {
    return files_.Output(memberId, year_);
  }

  // Adds the record's line at the end of the data file (made when missing): the file gains the
  // whole line or stays as it was.
  bool AppendRecord(const PeriodicalRecord& record) const;
  // Replaces the data file with the lines of these records.
  bool RewriteData(const std::vector<PeriodicalRecord>& records) const;
  // Replaces the header file with this one line.
  bool WriteHeader(std::string_view line) const;

  // The header file's first line; nothing when it cannot be read.
  std::optional<std::string> ReadHeaderLine() const;
  // The records of the data file (none when it cannot be read). Reading stops at a line of
  // fewer than 13 fields or with an amount that is no number.
  DataFileContent ReadData() const;

  // Writes the output file: the header file's first line, every line of the data file and, when
  // given, one more line. False, and no file written, when either file cannot be read.
  bool WriteOutput(std::string_view memberId,
                   std::optional<std::string_view> lastLine = std::nullopt) const;

  // Removes the header file, the data file and the "output" directory with its files.
  void RemoveAll() const;

 private:
  ProgramFiles files_;
  int year_;
};

}  // namespace tallisk
