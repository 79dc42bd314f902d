#include "tallisk/records/PeriodicalRecord.h"

#include "tallisk/records/NumberText.h"

namespace tallisk {

std::string ToDataLine(const PeriodicalRecord& r) {
  std::string line;
  for (const std::string& field :
       {r.memberId, r.tvpan, r.borrowerName, r.branchName, FormatNumber(r.termCreditSanctioned),
        FormatNumber(r.termCreditOutstanding), FormatNumber(r.workingCapitalSanctioned),
        FormatNumber(r.workingCapitalOutstanding), r.coverStartDate, FormatNumber(r.serviceFee),
        r.regular, r.status, r.remarks}) {
    line += field;
    line += '|';
  }
  return line;
}

std::optional<PeriodicalRecord> FromFields(const std::vector<std::string_view>& f) {
  if (f.size() < kRecordFields) return std::nullopt;
  const auto termCreditSanctioned = ParseNumber(f[4]);
  const auto termCreditOutstanding = ParseNumber(f[5]);
  const auto workingCapitalSanctioned = ParseNumber(f[6]);
  const auto workingCapitalOutstanding = ParseNumber(f[7]);
  const auto serviceFee = ParseNumber(f[9]);
  if (!termCreditSanctioned || !termCreditOutstanding || !workingCapitalSanctioned ||
      !workingCapitalOutstanding || !serviceFee)
    return std::nullopt;
  return PeriodicalRecord{std::string(f[0]),         std::string(f[1]),
                          std::string(f[2]),         std::string(f[3]),
                          *termCreditSanctioned,     *termCreditOutstanding,
                          *workingCapitalSanctioned, *workingCapitalOutstanding,
                          std::string(f[8]),         *serviceFee,
                          std::string(f[10]),        std::string(f[11]),
                          std::string(f[12])};
}

}  // namespace tallisk
