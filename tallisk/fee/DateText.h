#pragma once
// Dates as the branch writes them: dd/mm/yyyy (a day or month of one digit is read too).

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tallisk {

// The date, or nothing when the text is no real date in that form.
std::optional<std::chrono::year_month_day> ParseDate(std::string_view text);

// March 31 of `year`: the as-on date of the fee.
std::chrono::year_month_day MarchThirtyFirst(int year);

// "March 31, 2004": how the year-end appears in captions, texts and the header file.
std::string MarchThirtyFirstText(int year);

}  // namespace tallisk
