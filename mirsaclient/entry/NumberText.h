#pragma once
// Numbers read from and written into the boxes of the entry form, as the C conversions of the
// platform read and write them, whatever the locale of the process.

#include <string>
#include <string_view>

namespace mirsa {

// The value of the decimal number at the start of the text (after blanks); 0 when there is none.
double LeadingDecimal(std::string_view text);
// The value of the whole number at the start of the text (after blanks); 0 when there is none.
int LeadingWhole(std::string_view text);
// A number written with two decimals ("%.2lf").
std::string TwoDecimals(double value);

}  // namespace mirsa
