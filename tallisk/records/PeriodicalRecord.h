#pragma once
// One account's periodical data: what the branch enters for a guaranteed account as on
// March 31, with the facts taken from the account list and the computed service fee. A record
// is one line of the data file: its 13 fields, each followed by "|".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallisk {

inline constexpr std::size_t kRecordFields = 13;

struct PeriodicalRecord {
  std::string memberId;  // of the account's branch, from the account list
  std::string tvpan;
  std::string borrowerName;
  std::string branchName;  // where the loan was sanctioned
  double termCreditSanctioned = 0;
  double termCreditOutstanding = 0;
  double workingCapitalSanctioned = 0;
  double workingCapitalOutstanding = 0;
  std::string coverStartDate;  // empty when the cover has not started
  double serviceFee = 0;       // whole rupees
  std::string regular = "N";   // "Y" or "N"
  std::string status;          // "Standard", "Substandard", "Doubtful" or "Loss"
  std::string remarks;
};

// "001200340056|TV200312345|ABC Industries|Main Branch|500000|250000|...|Standard||"
std::string ToDataLine(const PeriodicalRecord& record);

// The record of a data line's fields; nothing when there are fewer than 13 or an amount or the
// fee is no number.
std::optional<PeriodicalRecord> FromFields(const std::vector<std::string_view>& fields);

}  // namespace tallisk
