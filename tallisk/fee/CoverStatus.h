#pragma once
// The texts of the cover status label. Entry (a TVPAN just looked up) and a stored record shown
// on the form word it differently: "started" and "Started".

#include <string>
#include <string_view>

namespace tallisk {

// While a TVPAN is entered: "Guarantee Cover not started as on March 31, 2004" or
// "Guarantee Cover started on " and the date as the account list writes it.
std::string CoverStatusOnEntry(std::string_view coverDate, int year);

// For a stored record: "Guarantee Cover not Started as on March 31, 2004" or
// "Guarantee Cover Started on " and the date.
std::string CoverStatusOfRecord(std::string_view coverDate, int year);

}  // namespace tallisk
