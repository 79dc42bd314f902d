#include "tallisk/fee/ServiceFee.h"

#include <algorithm>
#include <cmath>

#include "tallisk/fee/DateText.h"
#include "tallisk/records/NumberText.h"

namespace tallisk {

int CoveredDays(std::string_view coverStartDate, std::chrono::year_month_day asOn) {
  const auto start = ParseDate(coverStartDate);
  if (!start) return 0;
  const auto days = std::chrono::sys_days{asOn} - std::chrono::sys_days{*start};
  return static_cast<int>(days.count()) + 1;
}

double RoundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction < 0.5) return floor;
  if (fraction > 0.5) return floor + 1.0;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

double ServiceFee(const FeeInputs& in, std::chrono::year_month_day asOn) {
  const double termCredit = std::min(in.termCreditOutstanding, in.termCreditSanctioned);
  const double workingCapital = std::min(in.workingCapitalOutstanding, in.workingCapitalSanctioned);
  if (Trimmed(in.coverStartDate).empty()) return 0.0;
  const int days = CoveredDays(in.coverStartDate, asOn);
  // A cover that starts after the as-on date ran no day of the year: no fee, never a credit.
  if (days <= 0) return 0.0;
  const double amount = std::min(termCredit + workingCapital, kAmountCap);
  const int coveredDays = days < kYearDays + 1 ? days : kYearDays;
  double fee = amount / kRateDivisor * (static_cast<double>(coveredDays) / kYearDays);
  fee = std::min(fee, kFeeCap);
  return RoundHalfToEven(fee);
}

}  // namespace tallisk
