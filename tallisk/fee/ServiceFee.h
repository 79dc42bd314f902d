#pragma once
// The service fee of one guaranteed account for the part of the year, ending March 31, during
// which its guarantee cover ran: one per cent a year of the guaranteed outstanding (each amount
// at most its sanctioned amount, together at most 25 lakh rupees), at most 25,000 rupees,
// rounded to whole rupees with halves going to the even neighbour.

#include <chrono>
#include <string_view>

namespace tallisk {

inline constexpr double kAmountCap = 2500000.0;
inline constexpr double kRateDivisor = 100.0;
inline constexpr int kYearDays = 365;
inline constexpr double kFeeCap = 25000.0;

struct FeeInputs {
  double termCreditSanctioned = 0;
  double termCreditOutstanding = 0;
  double workingCapitalSanctioned = 0;
  double workingCapitalOutstanding = 0;
  std::string_view coverStartDate;  // dd/mm/yyyy; empty when the cover has not started
};

// The days from the cover start to the as-on date, both counted; 0 for a date that cannot be
// read. A start after the as-on date gives 0 or fewer.
int CoveredDays(std::string_view coverStartDate, std::chrono::year_month_day asOn);

// Halves to the even neighbour: 2500.5 -> 2500, 2501.5 -> 2502.
double RoundHalfToEven(double value);

// The fee in whole rupees. An empty cover date gives 0; so does a cover start after the as-on
// date (the fee never goes below 0).
double ServiceFee(const FeeInputs& inputs, std::chrono::year_month_day asOn);

}  // namespace tallisk
