#pragma once
// Numbers as the calculator writes and reads them: amounts and fees are doubles, written as the
// shortest plain decimal of the value (at most 15 significant digits, never an exponent, "." as
// the decimal separator) and read back strictly.

#include <optional>
#include <string>
#include <string_view>

namespace tallisk {

// 3189 -> "3189", 12.5 -> "12.5", 0.1 + 0.2 -> "0.3", 1e20 -> "100000000000000000000".
std::string FormatNumber(double value);

// A whole number in decimal text: optional blanks, an optional sign, digits with at most one
// ".", an optional exponent, optional blanks. Anything else (also "" and ".") is no number.
std::optional<double> ParseNumber(std::string_view text);

// Whether the text is a number in the sense of ParseNumber.
inline bool IsNumeric(std::string_view text) {
  return ParseNumber(text).has_value();
}

// The value of a text that should hold a number; 0 when it does not.
inline double NumberOrZero(std::string_view text) {
  return ParseNumber(text).value_or(0.0);
}

// Surrounding white space (blanks, tabs, line breaks) removed.
std::string_view Trimmed(std::string_view text);

}  // namespace tallisk
